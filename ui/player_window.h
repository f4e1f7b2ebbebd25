// PlayerWindow: one embedded browser playing the current episode through the
// chosen line (a parse interface), with previous/next and the episode panel.
#pragma once

#include <QPointer>
#include <QWidget>
#include <string>

class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;

namespace pelizo {

class EpisodePanelWindow;

class PlayerWindow : public QWidget {
    Q_OBJECT
public:
    // The creation routine: lines, MainWindow hidden, the browser made on
    // line 1. `episodes` and `title` are the details tab's list and label.
    PlayerWindow(QWidget* mainWindow, QTreeWidget* episodes, QLabel* title);
    ~PlayerWindow() override; // MainWindow is shown again

    // The caption: the title, " - ", and column 0 of that row.
    void setPlayerCaption(int row);
    // Loads the chosen line's prefix directly followed by the episode address.
    void playCurrentEpisode();
    void nextEpisode();
    void previousEpisode();
    void openEpisodePanel();
    // Makes `row` of the episode list the current episode and plays it.
    void playRow(int row);

    // The controls the opener makes visible (the three stepping buttons stay
    // hidden for a one-row list).
    void showControls();
    std::string playAddress() const;
    QTreeWidget* episodes() const;

private:
    QPointer<QWidget> mainWindow_;
    QPointer<QTreeWidget> episodes_;
    QPointer<QLabel> title_;
    QLabel* hint_ = nullptr;
    QComboBox* lines_ = nullptr;
    QPushButton* changeLine_ = nullptr;
    QPushButton* previous_ = nullptr;
    QPushButton* next_ = nullptr;
    QPushButton* openList_ = nullptr;
    bool singleEpisode_ = false;
    QPointer<EpisodePanelWindow> panel_;
};

// The episode double-click of the details tab: opens a player on the
// selected row, unless the row has no address.
PlayerWindow* openPlayer(QWidget* mainWindow, QTreeWidget* episodes, QLabel* title);

} // namespace pelizo
