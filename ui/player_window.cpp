#include "ui/player_window.h"

#include "app/app_state.h"
#include "app/timings.h"
#include "browser/binding.h"
#include "browser/window_handles.h"
#include "ui/button_art.h"
#include "ui/controls.h"
#include "ui/episode_panel.h"
#include "ui/platform.h"
#include "ui/qt_text.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTreeWidget>

namespace pelizo {

PlayerWindow::PlayerWindow(QWidget* mainWindow, QTreeWidget* episodes, QLabel* title)
    : mainWindow_(mainWindow), episodes_(episodes), title_(title)
{
    setObjectName("PlayerWindow");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(QIcon(applicationIcon(64)));
    setGeometry(50, 50, 1303, 748);

    hint_ = transparentLabel(this, "透明标签1", {437, 1, 179, 20}, QStringLiteral("播放卡慢或播放不了，换一条线路"));
    lines_ = placed<QComboBox>(this, "组合框_线路", {624, 2, 63, 20});
    changeLine_ = pushButton(this, "刷新", {696, 1, 55, 20}, QStringLiteral("更换线路"));
    previous_ = pushButton(this, "上一集", {1114, 1, 40, 20}, QStringLiteral("上一集"));
    next_ = pushButton(this, "下一集", {1171, 1, 40, 20}, QStringLiteral("下一集"));
    openList_ = pushButton(this, "打开列表", {1235, 1, 60, 20}, QStringLiteral("剧集列表"));
    for (QWidget* control : std::initializer_list<QWidget*>{hint_, lines_, changeLine_, previous_, next_, openList_})
        control->setVisible(false);
    connect(changeLine_, &QPushButton::clicked, this, &PlayerWindow::playCurrentEpisode);
    connect(previous_, &QPushButton::clicked, this, &PlayerWindow::previousEpisode);
    connect(next_, &QPushButton::clicked, this, &PlayerWindow::nextEpisode);
    connect(openList_, &QPushButton::clicked, this, &PlayerWindow::openEpisodePanel);

    const AppState& state = appState();
    for (size_t n = 1; n <= state.InterfaceList.size(); ++n)
        lines_->addItem(QStringLiteral("线路") + QString::number(n));
    lines_->setCurrentIndex(0);

    if (mainWindow_)
        mainWindow_->hide();
    singleEpisode_ = episodes_ && episodes_->topLevelItemCount() == 1;

    browser::BrowserSettings settings;
    // The profile lives with the user's application data: the run directory
    // is often read-only.
    settings.profileFolder =
        fromQt(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/User Data"));
    settings.locale = "zh-CN";
    settings.field5 = 1;
    settings.acceptLanguages = "zh-CN,zh";
    browser::initialiseBrowserLibrary(settings, browser::browserEvents());
    browser::createBrowser(playAddress(), browser::windowHandleOf(this), 0, 25, width() - 2, height() - 30);
}

PlayerWindow::~PlayerWindow()
{
    reportPeakMemory("when the player closed");
    if (mainWindow_)
        mainWindow_->show();
}

QTreeWidget* PlayerWindow::episodes() const { return episodes_; }

void PlayerWindow::showControls()
{
    for (QWidget* control : std::initializer_list<QWidget*>{hint_, lines_, changeLine_, previous_, next_, openList_}) {
        const bool stepping = control == previous_ || control == next_ || control == openList_;
        control->setVisible(!(stepping && singleEpisode_));
    }
}

std::string PlayerWindow::playAddress() const
{
    const AppState& state = appState();
    const int line = lines_->currentIndex();
    if (line < 0 || static_cast<size_t>(line) >= state.InterfaceList.size())
        return state.currentEpisodeAddress;
    return state.InterfaceList[static_cast<size_t>(line)] + state.currentEpisodeAddress;
}

void PlayerWindow::setPlayerCaption(int row)
{
    const QTreeWidgetItem* item = episodes_ ? episodes_->topLevelItem(row) : nullptr;
    setWindowTitle((title_ ? title_->text() : QString()) + QStringLiteral(" - ") + (item ? item->text(0) : QString()));
}

void PlayerWindow::playCurrentEpisode()
{
    const browser::Browser live = browser::browserFromWindow(appState().browserWindowHandle);
    const browser::BrowserFrame main = live.GetMainFrame();
    main.LoadURL(playAddress());
}

void PlayerWindow::playRow(int row)
{
    QTreeWidgetItem* item = episodes_ ? episodes_->topLevelItem(row) : nullptr;
    if (!item)
        return;
    episodes_->setCurrentItem(item);
    appState().currentEpisodeAddress = fromQt(item->text(1));
    setPlayerCaption(row);
    playCurrentEpisode();
}

void PlayerWindow::nextEpisode()
{
    if (!episodes_)
        return;
    const int r = episodes_->indexOfTopLevelItem(episodes_->currentItem());
    if (r + 1 >= episodes_->topLevelItemCount()) {
        showMessage(this, QStringLiteral("亲，这是最后一集~"), QStringLiteral("温馨提示"));
        return;
    }
    playRow(r + 1);
}

void PlayerWindow::previousEpisode()
{
    if (!episodes_)
        return;
    const int r = episodes_->indexOfTopLevelItem(episodes_->currentItem());
    if (r <= 0) {
        showMessage(this, QStringLiteral("亲，这是第一集~"), QStringLiteral("温馨提示"));
        return;
    }
    playRow(r - 1);
}

void PlayerWindow::openEpisodePanel()
{
    panel_ = new EpisodePanelWindow(this);
    panel_->show();
}

PlayerWindow* openPlayer(QWidget* mainWindow, QTreeWidget* episodes, QLabel* title)
{
    QTreeWidgetItem* row = episodes ? episodes->currentItem() : nullptr;
    if (!row || row->text(1).isEmpty())
        return nullptr;
    markEpisodeChosen();
    appState().currentEpisodeAddress = fromQt(row->text(1));
    auto* player = new PlayerWindow(mainWindow, episodes, title);
    player->show();
    player->showControls();
    player->setPlayerCaption(episodes->indexOfTopLevelItem(row));
    return player;
}

} // namespace pelizo
