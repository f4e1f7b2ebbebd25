// PlayerWindow and EpisodePanelWindow with the real Qt WebEngine, offscreen,
// against the demo site and its parse services on loopback.
#include "browser/binding.h"
#include "browser/webengine_library.h"
#include "demo/catalogue.h"
#include "gui_fixture.h"
#include "ui/episode_panel.h"
#include "ui/main_window.h"
#include "ui/picture_box.h"
#include "ui/player_events.h"
#include "ui/player_window.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QWebEngineView>

using namespace pelizo;
using pelizo::testing::GuiFixture;

namespace {

// The main window started, with the details of one title open.
struct OpenTitle {
    explicit OpenTitle(bool series, int tile)
    {
        setenv("PELIZO_PARSE_PREFIX", ("http://" + fixture.site->host("jx") + "/jiexi/5.html?url=").c_str(), 1);
        window.show();
        window.runCreatedHandler();
        GuiFixture::settle();
        if (!series) {
            QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("电影")), Qt::LeftButton);
            GuiFixture::settle();
        }
        QTest::mouseDClick(window.tilePicture(tile), Qt::LeftButton);
        GuiFixture::settle();
        episodes = window.findChild<QTreeWidget*>(QStringLiteral("超级列表框_剧集"));
        title = window.findChild<QLabel*>(QStringLiteral("透明标签_详情剧名"));
    }

    // Double-clicks episode row `row` and waits for the browser to exist.
    PlayerWindow* play(int row)
    {
        QTreeWidgetItem* item = episodes->topLevelItem(row);
        episodes->setCurrentItem(item);
        const int earlierBrowser = appState().browserWindowHandle;
        const QPoint at = episodes->visualItemRect(item).center();
        QTest::mouseClick(episodes->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(episodes->viewport(), Qt::LeftButton, {}, at);
        PlayerWindow* player = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* p = qobject_cast<PlayerWindow*>(top); p && p->isVisible())
                player = p;
        if (player && !QTest::qWaitFor([&] { return appState().browserWindowHandle != earlierBrowser; }, 20000))
            qWarning("the browser never reported itself");
        return player;
    }

    QString episode(int row) const { return episodes->topLevelItem(row)->text(1); }

    // How often the demo site was asked for a parse page with that episode
    // address (any address when `url` is null).
    int requestsFor(const QString& path, const QString& url) const
    {
        int n = 0;
        for (const auto& r : fixture.site->server().requests())
            if (QString::fromStdString(r.path) == path
                && (url.isNull() || QString::fromStdString(r.query) == "url=" + url))
                ++n;
        return n;
    }

    GuiFixture fixture;
    MainWindow window;
    QTreeWidget* episodes = nullptr;
    QLabel* title = nullptr;
};

QWebEngineView* viewOf(PlayerWindow* player) { return player->findChild<QWebEngineView*>(); }

int allViews()
{
    int n = 0;
    for (QWidget* top : QApplication::topLevelWidgets())
        n += static_cast<int>(top->findChildren<QWebEngineView*>().size()) + (qobject_cast<QWebEngineView*>(top) ? 1 : 0);
    return n;
}

void closePlayer(PlayerWindow* player)
{
    QPointer<PlayerWindow> guard(player);
    player->close();
    QTRY_VERIFY(guard.isNull());
}

} // namespace

class PlayerTest : public QObject {
    Q_OBJECT
private slots:
    void playsTheEpisodeThroughLineOne();
    void lineTwoOpensAPopUpInTheSameBrowserAndStaysChosen();
    void endsOfTheList();
    void oneRowListHidesTheSteppingButtons();
    void fallbackHappensOncePerRun();
    void episodePanel();
    void fullScreenAndBack();
};

void PlayerTest::playsTheEpisodeThroughLineOne()
{
    OpenTitle open(true, 2); // a series with 14 episodes
    PlayerWindow* player = open.play(0);
    QVERIFY(player);
    QVERIFY(!open.window.isVisible());
    QCOMPARE(player->windowTitle(), open.title->text() + QStringLiteral(" - 第1集"));
    QCOMPARE(player->geometry().size(), QSize(1303, 748));
    auto* lines = player->findChild<QComboBox*>(QStringLiteral("组合框_线路"));
    QCOMPARE(lines->count(), 3);
    QCOMPARE(lines->itemText(2), QStringLiteral("线路3"));
    QCOMPARE(lines->currentIndex(), 0);
    for (const char* name : {"透明标签1", "组合框_线路", "刷新", "上一集", "下一集", "打开列表"})
        QVERIFY2(player->findChild<QWidget*>(QString::fromUtf8(name))->isVisible(), name);
    QCOMPARE(player->findChild<QPushButton*>(QStringLiteral("刷新"))->text(), QStringLiteral("更换线路"));

    // Entry 0 directly followed by the episode address.
    QWebEngineView* view = viewOf(player);
    QVERIFY(view);
    QCOMPARE(view->geometry(), QRect(0, 25, 1301, 718));
    const QString expected = QString::fromStdString(appState().InterfaceList[0]) + open.episode(0);
    QCOMPARE(QString::fromStdString(player->playAddress()), expected);
    QTRY_COMPARE_WITH_TIMEOUT(open.requestsFor("/jiexi/1.html", open.episode(0)), 1, 20000);
    QTRY_COMPARE_WITH_TIMEOUT(view->url().toString(), expected, 20000);
    QTRY_COMPARE_WITH_TIMEOUT(view->title(), QStringLiteral("演示解析线路 1"), 20000);

    closePlayer(player);
    QVERIFY(open.window.isVisible());
}

void PlayerTest::lineTwoOpensAPopUpInTheSameBrowserAndStaysChosen()
{
    OpenTitle open(true, 2);
    PlayerWindow* player = open.play(0);
    QVERIFY(player);
    const int viewsBefore = allViews();
    const int windowsBefore = static_cast<int>(QApplication::topLevelWidgets().size());
    player->findChild<QComboBox*>(QStringLiteral("组合框_线路"))->setCurrentIndex(1);
    QTest::mouseClick(player->findChild<QPushButton*>(QStringLiteral("刷新")), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(open.requestsFor("/jiexi/2.html", open.episode(0)), 1, 20000);

    // The page's pop-up replaces the content of the player's own browser.
    QWebEngineView* view = viewOf(player);
    QTRY_COMPARE_WITH_TIMEOUT(view->url().toString(), open.episode(0), 20000);
    {
        std::lock_guard lock(appState().lastPopupMutex);
        QCOMPARE(QString::fromStdString(appState().lastPopupAddress), open.episode(0));
    }
    QCOMPARE(allViews(), viewsBefore);
    QCOMPARE(static_cast<int>(QApplication::topLevelWidgets().size()), windowsBefore);

    // The next episode keeps line 2.
    QTest::mouseClick(player->findChild<QPushButton*>(QStringLiteral("下一集")), Qt::LeftButton);
    QCOMPARE(open.episodes->indexOfTopLevelItem(open.episodes->currentItem()), 1);
    QCOMPARE(player->windowTitle(), open.title->text() + QStringLiteral(" - 第2集"));
    QTRY_COMPARE_WITH_TIMEOUT(open.requestsFor("/jiexi/2.html", open.episode(1)), 1, 20000);
    closePlayer(player);
}

void PlayerTest::endsOfTheList()
{
    OpenTitle open(true, 2);
    PlayerWindow* player = open.play(0);
    QVERIFY(player);
    const QString caption = player->windowTitle();
    const QString address = QString::fromStdString(player->playAddress());
    QTest::mouseClick(player->findChild<QPushButton*>(QStringLiteral("上一集")), Qt::LeftButton);
    QCOMPARE(open.fixture.lastMessage(), QStringLiteral("亲，这是第一集~"));
    QCOMPARE(open.fixture.messages.back().title, QStringLiteral("温馨提示"));
    QCOMPARE(open.fixture.messages.back().icon, QMessageBox::NoIcon);
    QCOMPARE(player->windowTitle(), caption);
    QCOMPARE(QString::fromStdString(player->playAddress()), address);

    const int last = open.episodes->topLevelItemCount() - 1;
    player->playRow(last);
    QTest::mouseClick(player->findChild<QPushButton*>(QStringLiteral("下一集")), Qt::LeftButton);
    QCOMPARE(open.fixture.lastMessage(), QStringLiteral("亲，这是最后一集~"));
    QCOMPARE(open.episodes->indexOfTopLevelItem(open.episodes->currentItem()), last);
    QCOMPARE(player->windowTitle(), open.title->text() + QStringLiteral(" - 第%1集").arg(last + 1));
    closePlayer(player);
}

void PlayerTest::oneRowListHidesTheSteppingButtons()
{
    OpenTitle open(false, 1); // a film: one row, 正片
    QCOMPARE(open.episodes->topLevelItemCount(), 1);
    PlayerWindow* player = open.play(0);
    QVERIFY(player);
    QCOMPARE(player->windowTitle(), open.title->text() + QStringLiteral(" - 正片"));
    for (const char* name : {"上一集", "下一集", "打开列表"})
        QVERIFY2(!player->findChild<QWidget*>(QString::fromUtf8(name))->isVisible(), name);
    for (const char* name : {"透明标签1", "组合框_线路", "刷新"})
        QVERIFY2(player->findChild<QWidget*>(QString::fromUtf8(name))->isVisible(), name);
    closePlayer(player);

    // The "暂无播放地址" kind of row, without an address, opens nothing.
    open.episodes->topLevelItem(0)->setText(1, QString());
    QVERIFY(open.play(0) == nullptr);
    QVERIFY(open.window.isVisible());
}

void PlayerTest::fallbackHappensOncePerRun()
{
    OpenTitle open(true, 2);
    PlayerWindow* player = open.play(0);
    QVERIFY(player);
    const QString builtIn = "/jiexi/5.html";
    player->findChild<QComboBox*>(QStringLiteral("组合框_线路"))->setCurrentIndex(2);
    QTest::mouseClick(player->findChild<QPushButton*>(QStringLiteral("刷新")), Qt::LeftButton);
    // No pop-up seen yet: the built-in service with nothing after "?url=".
    QTRY_COMPARE_WITH_TIMEOUT(open.requestsFor(builtIn, ""), 1, 20000);
    QVERIFY(appState().fallbackUsed);
    QTRY_COMPARE_WITH_TIMEOUT(viewOf(player)->title(), QStringLiteral("内置解析服务"), 20000);
    closePlayer(player);

    // Never again in this run, also not in a new player window.
    player = open.play(0);
    QVERIFY(player);
    player->findChild<QComboBox*>(QStringLiteral("组合框_线路"))->setCurrentIndex(2);
    QTest::mouseClick(player->findChild<QPushButton*>(QStringLiteral("刷新")), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(open.requestsFor("/jiexi/3.html", open.episode(0)), 2, 20000);
    // Once the marked frame has reported itself, its event has been answered.
    QTRY_VERIFY_WITH_TIMEOUT(browser::browserFromWindow(appState().browserWindowHandle).GetFrameCount() >= 2, 20000);
    QTest::qWait(50);
    QCOMPARE(open.requestsFor(builtIn, QString()), 1);
    QCOMPARE(viewOf(player)->title(), QStringLiteral("演示解析线路 3"));
    closePlayer(player);
}

void PlayerTest::episodePanel()
{
    OpenTitle open(true, 2);
    QVERIFY(open.episodes->topLevelItemCount() >= 7);
    PlayerWindow* player = open.play(0);
    QVERIFY(player);
    QTest::mouseClick(player->findChild<QPushButton*>(QStringLiteral("打开列表")), Qt::LeftButton);
    auto* panel = player->findChild<EpisodePanelWindow*>();
    QVERIFY(panel);
    QTRY_VERIFY(panel->isVisible());
    QCOMPARE(panel->numberLabel(1)->pos(), QPoint(6, 6));
    QCOMPARE(panel->numberLabel(6)->pos(), QPoint(171, 6));
    QCOMPARE(panel->numberLabel(7)->pos(), QPoint(6, 39));
    QCOMPARE(panel->numberLabel(7)->text(), QStringLiteral("7"));
    QVERIFY(panel->numberLabel(open.episodes->topLevelItemCount() + 1) == nullptr);
    QCOMPARE(panel->height(), player->height() - 30);
    QCOMPARE(panel->findChild<QTabWidget*>(QStringLiteral("选择夹1"))->height(), panel->height() - 20);

    // Docked at the player's top right, and back there when moved.
    const QPoint docked(player->x() + player->width() - panel->width(), player->y() + 30);
    QCOMPARE(panel->pos(), docked);
    panel->move(10, 10);
    QCOMPARE(panel->pos(), docked);

    QTest::mouseClick(panel->numberLabel(3), Qt::LeftButton);
    QCOMPARE(open.episodes->indexOfTopLevelItem(open.episodes->currentItem()), 2);
    QCOMPARE(player->windowTitle(), open.title->text() + QStringLiteral(" - 第3集"));
    QTRY_COMPARE_WITH_TIMEOUT(open.requestsFor("/jiexi/1.html", open.episode(2)), 1, 20000);
    QVERIFY(panel->isVisible()); // it stays open

    QPointer<EpisodePanelWindow> guard(panel);
    QTest::mouseClick(panel->findChild<QPushButton*>(QStringLiteral("收起列表")), Qt::LeftButton);
    QTRY_VERIFY(guard.isNull());
    closePlayer(player);
}

void PlayerTest::fullScreenAndBack()
{
    OpenTitle open(true, 2);
    PlayerWindow* player = open.play(0);
    QVERIFY(player);
    QWebEngineView* view = viewOf(player);
    QTRY_COMPARE_WITH_TIMEOUT(view->title(), QStringLiteral("演示解析线路 1"), 20000);
    // The page's own full-screen button, clicked as a user would.
    QWidget* surface = view->focusProxy();
    QVERIFY(surface);
    // The page takes input once its first frame is drawn: click until it answers.
    for (int attempt = 0; attempt < 40 && !player->isFullScreen(); ++attempt) {
        QTest::mouseClick(surface, Qt::LeftButton, {}, QPoint(view->width() - 40, view->height() - 19));
        (void)QTest::qWaitFor([&] { return player->isFullScreen(); }, 500);
    }
    QVERIFY(player->isFullScreen());
    QCOMPARE(view->geometry(), player->rect());
    QTest::keyClick(player, Qt::Key_Escape);
    QTRY_VERIFY_WITH_TIMEOUT(!player->isFullScreen(), 20000);
    QTRY_COMPARE(view->geometry(), QRect(0, 25, 1301, 718));
    closePlayer(player);
}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    browser::installBrowserLibrary(std::make_unique<browser::WebEngineLibrary>());
    browser::startBrowserBinding();
    installPlayerRoutines();
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    PlayerTest test;
    const int result = QTest::qExec(&test, argc, argv);
    return result;
}

#include "player_test.moc"
