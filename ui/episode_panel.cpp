#include "ui/episode_panel.h"

#include "ui/controls.h"
#include "ui/player_window.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

namespace pelizo {

void EpisodeNumberLabel::mousePressEvent(QMouseEvent* event)
{
    QLabel::mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        emit pressed(property("tag").toInt());
}

EpisodePanelWindow::EpisodePanelWindow(PlayerWindow* player) : QWidget(player, Qt::Tool), player_(player)
{
    setObjectName("EpisodePanelWindow");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("剧集列表"));
    setGeometry(50, 50, 205, 560);

    auto* close = pushButton(this, "收起列表", {145, 0, 60, 20}, QStringLiteral("收起列表"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    container_ = new QTabWidget(this);
    container_->setObjectName(QStringLiteral("选择夹1"));
    container_->setGeometry(0, 20, 205, 540);
    page_ = new QWidget;
    container_->addTab(page_, QStringLiteral("剧集"));

    const auto makeLabel = [this](int number, const QRect& place) {
        auto* label = new EpisodeNumberLabel(QString::number(number), page_);
        label->setObjectName(QStringLiteral("标签_集数"));
        label->setGeometry(place);
        label->setAlignment(Qt::AlignCenter);
        label->setFrameStyle(QFrame::Box);
        label->setCursor(Qt::PointingHandCursor);
        label->setProperty("tag", number);
        connect(label, &EpisodeNumberLabel::pressed, this, &EpisodePanelWindow::onNumber);
        label->show();
    };
    makeLabel(1, {6, 6, 30, 30});
    const int rows = player->episodes() ? player->episodes()->topLevelItemCount() : 0;
    for (int m = 2; m <= rows; ++m) {
        makeLabel(m, {6 + 33 * ((m - 1) % 6), 6 + 33 * ((m - 1) / 6), 30, 30});
        QCoreApplication::processEvents(); // the panel repaints while it fills
    }
    resize(width(), player->height() - 30);
    container_->resize(container_->width(), height() - 20);
}

EpisodeNumberLabel* EpisodePanelWindow::numberLabel(int number) const
{
    for (auto* label : page_->findChildren<EpisodeNumberLabel*>())
        if (label->property("tag").toInt() == number)
            return label;
    return nullptr;
}

void EpisodePanelWindow::dock()
{
    if (!player_)
        return;
    const QPoint place(player_->x() + player_->width() - width(), player_->y() + 30);
    if (pos() != place)
        move(place);
}

void EpisodePanelWindow::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    dock();
}

void EpisodePanelWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    dock(); // shown docked from the start
}

void EpisodePanelWindow::onNumber(int number)
{
    if (player_)
        player_->playRow(number - 1); // the panel stays open
}

} // namespace pelizo
