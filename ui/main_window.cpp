#include "ui/main_window.h"

#include "app/app_state.h"
#include "app/remote_config.h"
#include "app/settings.h"
#include "app/timings.h"
#include "skin/row_height.h"
#include "ui/controls.h"
#include "ui/button_art.h"
#include "ui/picture_box.h"
#include "ui/picture_button.h"
#include "ui/platform.h"
#include "ui/qt_text.h"
#include "ui/ui_thread.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QTabWidget>
#include <QTreeWidget>

namespace pelizo {

StartupHooks& startupHooks()
{
    static StartupHooks hooks;
    return hooks;
}

namespace {

struct BigButton {
    const char* name;
    QRect place;
    const char* caption;
    const char* emblem;
    int page;
};

const BigButton kBigButtons[3] = {
    {"图形按钮1", {192, -6, 94, 72}, "片库", "影", 0},
    {"图形按钮2", {347, -10, 94, 72}, "功能", "功", 4},
    {"图形按钮3", {511, -11, 94, 72}, "设置", "设", 3},
};

PictureButton* stripButton(QWidget* parent, const char* name, const QRect& place, StripGlyph glyph)
{
    auto* button = new PictureButton(parent);
    button->setObjectName(QString::fromUtf8(name));
    button->setGeometry(place);
    button->setPictures(stripButtonPicture(glyph, PictureState::Normal), stripButtonPicture(glyph, PictureState::Hot),
                        stripButtonPicture(glyph, PictureState::Selected));
    return button;
}

} // namespace

MainWindow::MainWindow(QWidget* parent) : QWidget(parent)
{
    setObjectName("MainWindow");
    setWindowTitle(QStringLiteral("全网Pelizo"));
    setWindowIcon(QIcon(applicationIcon(64)));
    setGeometry(50, 50, 745, 873);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("高级选择夹1"));
    tabs_->setGeometry(1, 48, 743, 825);
    const char* const pageTitles[5] = {"片库", "影片详情", "搜索", "设置", "功能"};
    QWidget* pages[5];
    for (int i = 0; i < 5; ++i) {
        pages[i] = new QWidget;
        pages[i]->setObjectName(QString::fromUtf8(pageTitles[i]));
        tabs_->addTab(pages[i], QString::fromUtf8(pageTitles[i]));
    }
    buildTitleStrip();
    buildLibraryPage(pages[0]);
    buildDetailsPage(pages[1]);
    buildSearchPage(pages[2]);
    buildSettingsPage(pages[3]);
    connect(tabs_, &QTabWidget::currentChanged, this, &MainWindow::onPageChanged);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildTitleStrip()
{
    strip_ = new QLabel(this);
    strip_->setObjectName(QStringLiteral("图片框3"));
    strip_->setGeometry(0, 0, 745, 48);
    strip_->setPixmap(titleStripPicture(745, 48));

    welcomeLabel_ = transparentLabel(strip_, "透明标签", {8, 3, 176, 16}, QStringLiteral("欢迎使用 - Pelizo"));
    interfaceCountLabel_ = transparentLabel(strip_, "透明标签5", {35, 26, 152, 16}, QString());
    for (QLabel* label : {welcomeLabel_, interfaceCountLabel_})
        label->setStyleSheet("color: white;");

    for (int i = 0; i < 3; ++i) {
        const auto& design = kBigButtons[i];
        const QString caption = QString::fromUtf8(design.caption);
        const QChar emblem = QString::fromUtf8(design.emblem).at(0);
        bigPictures_[i][0] = bigButtonPicture(caption, emblem, PictureState::Normal);
        bigPictures_[i][1] = bigButtonPicture(caption, emblem, PictureState::Hot);
        bigPictures_[i][2] = bigButtonPicture(caption, emblem, PictureState::Selected);
        auto* button = new PictureButton(strip_);
        button->setObjectName(QString::fromUtf8(design.name));
        button->setGeometry(design.place);
        button->setPictures(bigPictures_[i][0], bigPictures_[i][1], bigPictures_[i][2]);
        connect(button, &PictureButton::clicked, this, [this, i] { onBigButton(i); });
        bigButtons_[i] = button;
    }

    menu_ = new QMenu(this);
    menu_->setObjectName(QStringLiteral("菜单1"));
    for (const char* item : {"win10皮肤", "win8", "win7", "换肤4", "换肤5", "换肤6", "换肤7", "换肤8", "换肤9", "换肤0"})
        menu_->addAction(QString::fromUtf8(item)); // no handlers: choosing one changes nothing

    menuButton_ = stripButton(strip_, "菜单", {634, -7, 22, 22}, StripGlyph::Menu);
    minimiseButton_ = stripButton(strip_, "最小化", {683, -11, 22, 22}, StripGlyph::Minimise);
    closeButton_ = stripButton(strip_, "关闭", {716, -8, 22, 22}, StripGlyph::Close);
    connect(menuButton_, &PictureButton::clicked, this, [this] { menu_->popup(QCursor::pos()); });
    connect(minimiseButton_, &PictureButton::clicked, this, &QWidget::showMinimized);
    connect(closeButton_, &PictureButton::clicked, this, [] { endProgram(0); });
}

void MainWindow::selectBigButton(int which)
{
    for (int i = 0; i < 3; ++i) {
        const bool selected = i == which;
        bigButtons_[i]->setNormalPicture(bigPictures_[i][selected ? 2 : 0]);
        bigButtons_[i]->setHotPicture(bigPictures_[i][selected ? 2 : 1]);
    }
}

void MainWindow::onBigButton(int which)
{
    // The first button sets its pictures before the page, the others after.
    if (which == 0) {
        selectBigButton(0);
        tabs_->setCurrentIndex(kBigButtons[0].page);
    } else {
        tabs_->setCurrentIndex(kBigButtons[which].page);
        selectBigButton(which);
    }
}

bool MainWindow::runCreatedHandler()
{
    AppState& state = appState();
    if (startupHooks().attachSkin)
        startupHooks().attachSkin();
    tabs_->setCurrentIndex(0);
    setListRowHeight(episodeList_, 20);

    const std::string configUrl = currentSettings().configUrl;
    struct Config {
        std::string version;
        std::vector<std::string> interfaces;
    };
    Config config = runWhileRepainting<Config>([configUrl] {
        Config c;
        fetchRemoteConfig(configUrl, c.version, c.interfaces);
        return c;
    });
    state.latestVersion = std::move(config.version);
    state.InterfaceList = std::move(config.interfaces);
    reportTiming("configuration fetched");
    if (state.InterfaceList.empty()) {
        showMessage(this, QStringLiteral("获取接口失败！请联系作者更新。"), QStringLiteral("提示："));
        endProgram(0);
        return false;
    }

    state.currentPage = 1;
    layOutTiles();
    loadListingPage();
    interfaceCountLabel_->setText(QStringLiteral("共获取了") + QString::number(state.InterfaceList.size())
                                  + QStringLiteral("个网络接口"));
    runVersionCheck();
    return true;
}

void MainWindow::onPageChanged(int index)
{
    if (appState().listLoading) {
        if (index != 0) {
            const QSignalBlocker blocker(tabs_);
            tabs_->setCurrentIndex(0);
        }
        showMessage(this, QStringLiteral("请稍待片刻，列表还没加载完呢~ "), QStringLiteral("温馨提示："),
                    QMessageBox::Information);
        return;
    }
    tabs_->setUsesScrollButtons(true); // the display setting a tile double-click switched off
    switch (index) {
    case 0:
        tabs_->move(tabs_->x(), 48);
        resize(745, 873);
        break;
    case 1:
        tabs_->move(tabs_->x(), 48);
        resize(745, 400);
        episodeList_->setFocus();
        break;
    case 2:
        tabs_->move(tabs_->x(), 48);
        resize(745, 400);
        break;
    default:
        resize(745, 400);
        break;
    }
    if (isMinimized() || isMaximized())
        showNormal();
    if (const QScreen* screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    endProgram(0);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == jumpEdit_ && event->type() == QEvent::FocusIn)
        jumpEdit_->clear();
    if (watched == quickSearchEdit_) {
        if (event->type() == QEvent::FocusIn)
            quickSearchEdit_->clear();
        else if (event->type() == QEvent::FocusOut && quickSearchEdit_->text().isEmpty())
            quickSearchEdit_->setText(QStringLiteral("请输入搜索内容"));
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace pelizo
