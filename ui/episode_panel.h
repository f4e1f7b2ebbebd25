// EpisodePanelWindow: the episodes as a grid of number labels, docked at the
// player's top right; a click plays that episode on the current line.
#pragma once

#include <QLabel>
#include <QPointer>
#include <QWidget>

class QTabWidget;

namespace pelizo {

class PlayerWindow;

// A number label: its text and its tag are the episode number.
class EpisodeNumberLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
signals:
    void pressed(int number);

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

class EpisodePanelWindow : public QWidget {
    Q_OBJECT
public:
    explicit EpisodePanelWindow(PlayerWindow* player);

    EpisodeNumberLabel* numberLabel(int number) const;

protected:
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void dock();
    void onNumber(int number);

    QPointer<PlayerWindow> player_;
    QTabWidget* container_ = nullptr;
    QWidget* page_ = nullptr;
};

} // namespace pelizo
