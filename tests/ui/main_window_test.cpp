// MainWindow driven for real, offscreen, against the demo site on loopback.
#include "demo/catalogue.h"
#include "gui_fixture.h"
#include "scrape/listing_filters.h"
#include "ui/main_window.h"
#include "ui/picture_box.h"
#include "ui/picture_button.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

using namespace pelizo;
using pelizo::testing::GuiFixture;

namespace {

template <typename T>
T* control(QWidget* window, const char* name)
{
    T* found = window->findChild<T*>(QString::fromUtf8(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

QString text(QWidget* window, const char* name) { return control<QLabel>(window, name)->text(); }

int visibleTiles(const MainWindow& w)
{
    int n = 0;
    for (int k = 1; k <= 35; ++k)
        n += w.tilePicture(k) && w.tilePicture(k)->isVisible() ? 1 : 0;
    return n;
}

// A window that has run its created handler and shows its first grid.
struct StartedWindow {
    explicit StartedWindow(demo::DemoOptions options = {}) : fixture(std::move(options))
    {
        window.show();
        window.activateWindow();
        (void)QTest::qWaitForWindowActive(&window);
        started = window.runCreatedHandler();
        GuiFixture::settle();
    }
    GuiFixture fixture;
    MainWindow window;
    bool started = false;
};

void click(QWidget* window, const char* name) { QTest::mouseClick(control<QAbstractButton>(window, name), Qt::LeftButton); }

// Clicks and lets the page load.
void clickAndSettle(QWidget* window, const char* name)
{
    click(window, name);
    GuiFixture::settle();
}

QString systemText(QWidget* edit) { return toQt(edit->property("systemText").toByteArray().toStdString()); }

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void startupShowsTheFirstGrid();
    void pagingButtonsAndTheirBounds();
    void jump_data();
    void jump();
    void filtersOfBothCategories();
    void busyGuardRefusesEveryCommand();
    void pageChangeSizesTheWindow();
    void search();
    void quickSearchPlaceholder();
    void openFilmFromTileAndSeriesFromHit();
    void laterOpeningWins();
    void hitWithNeitherPrefixStartsNoWorker();
    void versionCheck_data();
    void versionCheck();
    void updateWindowWaysOut();
    void noInterfaceEndsStartUp();
    void episodeRowsAreTwentyPixelsHigh();
};

void MainWindowTest::startupShowsTheFirstGrid()
{
    StartedWindow s;
    MainWindow& w = s.window;
    QVERIFY(s.started);
    QCOMPARE(w.windowTitle(), QStringLiteral("全网Pelizo"));
    QCOMPARE(w.geometry().size(), QSize(745, 873));
    QCOMPARE(text(&w, "透明标签5"), QStringLiteral("共获取了3个网络接口"));
    QCOMPARE(text(&w, "透明标签"), QStringLiteral("欢迎使用 - Pelizo"));
    QCOMPARE(w.tabs()->currentIndex(), 0);
    QCOMPARE(w.tabs()->count(), 5);
    QCOMPARE(w.tabs()->tabText(4), QStringLiteral("功能"));

    // The series listing comes first: 100 series, three pages.
    QCOMPARE(text(&w, "透明标签_页数"), QStringLiteral("1/3"));
    QVERIFY(!control<QPushButton>(&w, "上一页")->isEnabled());
    QVERIFY(control<QPushButton>(&w, "下一页")->isEnabled());
    QCOMPARE(visibleTiles(w), 35);
    QCOMPARE(appState().listingItems.size(), size_t(35));
    QCOMPARE(w.tileLabel(36)->text(), toQt(demo::series()[0].name));
    QVERIFY(w.tilePicture(35)->hasPicture());
    // Tile 9: column 1, row 1 of the grid; its label likewise.
    QCOMPARE(w.tilePicture(9)->pos(), QPoint(6 + 105, 40 + 155));
    QCOMPARE(w.tileLabel(44)->pos(), QPoint(7 + 105, 173 + 155));
    QCOMPARE(w.tilePicture(9)->size(), QSize(100, 130));

    QCOMPARE(text(&w, "标签_当前版本"), QStringLiteral("当前版本：4.9"));
    QCOMPARE(text(&w, "标签_最新版本"), QStringLiteral("最新版本：4.9"));
    QCOMPARE(text(&w, "标签_版本刷新"), QStringLiteral("你使用的是最新版本，无需更新。"));
    QVERIFY(w.isVisible());
    QVERIFY(s.fixture.messages.empty());
}

void MainWindowTest::pagingButtonsAndTheirBounds()
{
    StartedWindow s;
    MainWindow& w = s.window;
    clickAndSettle(&w, "下一页");
    clickAndSettle(&w, "下一页");
    QCOMPARE(text(&w, "透明标签_页数"), QStringLiteral("3/3"));
    QVERIFY(!control<QPushButton>(&w, "下一页")->isEnabled());
    QVERIFY(control<QPushButton>(&w, "上一页")->isEnabled());
    QCOMPARE(visibleTiles(w), 30);
    QVERIFY(!w.tileLabel(31 + 35)->isVisible());
    QCOMPARE(appState().listingItems.size(), size_t(30));
    clickAndSettle(&w, "上一页");
    QCOMPARE(text(&w, "透明标签_页数"), QStringLiteral("2/3"));
    QCOMPARE(visibleTiles(w), 35);
}

void MainWindowTest::jump_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("page");
    QTest::newRow("valid") << "2" << "2/3";
    QTest::newRow("leading digits") << "3页" << "3/3";
    QTest::newRow("zero") << "0" << "";
    QTest::newRow("too high") << "4" << "";
    QTest::newRow("no digits") << "abc" << "";
    QTest::newRow("empty") << "" << "";
}

void MainWindowTest::jump()
{
    QFETCH(QString, typed);
    QFETCH(QString, page);
    StartedWindow s;
    MainWindow& w = s.window;
    auto* edit = control<QLineEdit>(&w, "编辑框_跳转");
    edit->setText(QStringLiteral("old"));
    edit->setFocus();
    QTRY_VERIFY(edit->text().isEmpty()); // gaining the focus empties it
    edit->insert(typed);
    QTest::keyClick(edit, Qt::Key_Return); // Enter acts like 跳转
    GuiFixture::settle();
    if (page.isEmpty()) {
        QCOMPARE(s.fixture.messages.size(), size_t(1));
        QCOMPARE(s.fixture.lastMessage(), QStringLiteral("请输入 1-3 之间的数字！"));
        QCOMPARE(s.fixture.messages.back().title, QStringLiteral("提示："));
        QCOMPARE(s.fixture.messages.back().icon, QMessageBox::Critical);
        QCOMPARE(text(&w, "透明标签_页数"), QStringLiteral("1/3"));
    } else {
        QVERIFY(s.fixture.messages.empty());
        QCOMPARE(text(&w, "透明标签_页数"), page);
    }
}

void MainWindowTest::filtersOfBothCategories()
{
    StartedWindow s;
    MainWindow& w = s.window;
    auto* types = control<QComboBox>(&w, "组合框_类型");
    auto* years = control<QComboBox>(&w, "组合框_年代");

    clickAndSettle(&w, "电影");
    QVERIFY(control<QRadioButton>(&w, "单选框_电影")->isChecked());
    QVERIFY(!control<QRadioButton>(&w, "单选框_电视剧")->isChecked());
    QCOMPARE(types->count(), 24);
    QCOMPARE(types->itemText(1), QStringLiteral("爱情"));
    QCOMPARE(years->count(), 10);
    QCOMPARE(years->itemText(9), QStringLiteral("1969-1800"));
    QCOMPARE(text(&w, "透明标签_页数"), QStringLiteral("1/5"));
    QCOMPARE(w.tileLabel(36)->text(), toQt(demo::films()[0].name));

    const auto expectPages = [&](bool series, const char* type, const char* year) {
        std::vector<const demo::Title*> titles;
        demo::filterTitles(series, type, year, titles);
        return QString("1/%1").arg((titles.size() + 34) / 35);
    };
    types->setCurrentIndex(2); // 动作
    years->setCurrentIndex(9); // 1969-1800
    clickAndSettle(&w, "按钮_确定");
    QCOMPARE(appState().typeCode, std::string("dongzuo"));
    QCOMPARE(appState().yearCode, std::string("19691800"));
    QCOMPARE(text(&w, "透明标签_页数"), expectPages(false, "dongzuo", "19691800"));

    types->setCurrentIndex(0);
    years->setCurrentIndex(3); // 2015
    clickAndSettle(&w, "按钮_确定");
    QCOMPARE(appState().yearCode, std::string("2015"));
    QCOMPARE(text(&w, "透明标签_页数"), expectPages(false, "", "2015"));

    clickAndSettle(&w, "电视剧");
    QCOMPARE(types->count(), 24);
    QCOMPARE(types->itemText(23), QStringLiteral("军旅"));
    QCOMPARE(years->count(), 11);
    types->setCurrentIndex(1); // 言情
    years->setCurrentIndex(8); // 2010-2000
    clickAndSettle(&w, "按钮_确定");
    QCOMPARE(appState().typeCode, std::string("yanqing"));
    QCOMPARE(appState().yearCode, std::string("20102000"));
    QCOMPARE(text(&w, "透明标签_页数"), expectPages(true, "yanqing", "20102000"));
    years->setCurrentIndex(10);
    types->setCurrentIndex(0);
    clickAndSettle(&w, "按钮_确定");
    QCOMPARE(appState().yearCode, std::string("19891800"));

    // A category switch keeps the page number and the codes of the last filter.
    years->setCurrentIndex(0);
    clickAndSettle(&w, "按钮_确定");
    clickAndSettle(&w, "电影");
    for (int i = 0; i < 4; ++i)
        clickAndSettle(&w, "下一页");
    QCOMPARE(text(&w, "透明标签_页数"), QStringLiteral("5/5"));
    clickAndSettle(&w, "电视剧");
    QCOMPARE(text(&w, "透明标签_页数"), QStringLiteral("5/0"));
    QCOMPARE(visibleTiles(w), 0);
    QVERIFY(!control<QPushButton>(&w, "下一页")->isEnabled());
    QVERIFY(control<QPushButton>(&w, "上一页")->isEnabled());
}

void MainWindowTest::busyGuardRefusesEveryCommand()
{
    StartedWindow s;
    MainWindow& w = s.window;
    clickAndSettle(&w, "下一页");
    click(&w, "下一页"); // the loader now runs until its results are taken in
    QVERIFY(appState().listLoading);
    for (const char* command : {"上一页", "下一页", "跳转", "按钮_确定", "电影", "电视剧"}) {
        s.fixture.messages.clear();
        click(&w, command);
        QCOMPARE(s.fixture.messages.size(), size_t(1));
        QCOMPARE(s.fixture.lastMessage(), QStringLiteral("请稍待片刻，列表还没加载完呢~ "));
        QCOMPARE(s.fixture.messages.back().title, QStringLiteral("温馨提示："));
        QCOMPARE(s.fixture.messages.back().icon, QMessageBox::NoIcon);
        QCOMPARE(s.fixture.messages.back().owner, &w);
    }
    QVERIFY(control<QRadioButton>(&w, "单选框_电视剧")->isChecked());
    w.openFromTile(w.tilePicture(3));
    QCOMPARE(s.fixture.lastMessage(), QStringLiteral("请稍待片刻，列表还没加载完呢~ "));
    QVERIFY(appState().currentDetailUrl.empty());

    s.fixture.messages.clear();
    w.tabs()->setCurrentIndex(2);
    QCOMPARE(w.tabs()->currentIndex(), 0);
    QCOMPARE(s.fixture.messages.size(), size_t(1));
    QCOMPARE(s.fixture.messages.back().icon, QMessageBox::Information);
    QCOMPARE(w.size(), QSize(745, 873));

    GuiFixture::settle();
    QCOMPARE(text(&w, "透明标签_页数"), QStringLiteral("3/3"));
    QVERIFY(!appState().listLoading);
}

void MainWindowTest::pageChangeSizesTheWindow()
{
    StartedWindow s;
    MainWindow& w = s.window;
    const auto selected = [&](const char* name) {
        auto* b = control<PictureButton>(&w, name);
        return b->normalPicture().cacheKey() == b->hotPicture().cacheKey(); // the selected picture for both
    };
    click(&w, "图形按钮2");
    QVERIFY(selected("图形按钮2"));
    QVERIFY(!selected("图形按钮1"));
    QCOMPARE(w.tabs()->currentIndex(), 4);
    QCOMPARE(w.size(), QSize(745, 400));
    click(&w, "图形按钮3");
    QCOMPARE(w.tabs()->currentIndex(), 3);
    w.tabs()->setCurrentIndex(1);
    QCOMPARE(w.size(), QSize(745, 400));
    QCOMPARE(w.tabs()->y(), 48);
    click(&w, "图形按钮1");
    QVERIFY(selected("图形按钮1"));
    QVERIFY(!selected("图形按钮2") && !selected("图形按钮3"));
    QCOMPARE(w.tabs()->currentIndex(), 0);
    QCOMPARE(w.size(), QSize(745, 873));
}

void MainWindowTest::search()
{
    StartedWindow s;
    MainWindow& w = s.window;
    w.tabs()->setCurrentIndex(2);
    auto* edit = control<QLineEdit>(&w, "编辑框_搜索");
    auto* list = control<QTreeWidget>(&w, "超级列表框_搜索");
    QCOMPARE(list->columnWidth(2), 0);
    QCOMPARE(list->columnWidth(3), 0);
    QCOMPARE(list->headerItem()->text(0), QStringLiteral("剧名"));

    edit->setText(QStringLiteral("长安"));
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(list->topLevelItemCount(), 5);
    QVERIFY(list->topLevelItem(0)->text(0).contains(QStringLiteral("长安")));
    QCOMPARE(list->topLevelItem(0)->text(1), QStringLiteral("电影"));
    QVERIFY(list->topLevelItem(0)->text(2).startsWith("http://d"));

    click(&w, "按钮_搜索");
    QCOMPARE(list->topLevelItemCount(), 5); // replaced
    control<QCheckBox>(&w, "选择框1")->setChecked(true);
    click(&w, "按钮_搜索");
    QCOMPARE(list->topLevelItemCount(), 10); // kept: every hit twice

    // A preview of the selected hit's poster.
    auto* poster = control<PictureBox>(&w, "图片框2");
    list->setCurrentItem(list->topLevelItem(1));
    QVERIFY(poster->hasPicture());

    edit->setText(QStringLiteral("   ")); // not empty untrimmed: searches for nothing
    click(&w, "按钮_搜索");
    QCOMPARE(s.fixture.lastMessage(), QStringLiteral("未搜索到任何内容~"));
    QCOMPARE(list->topLevelItemCount(), 10); // earlier rows stay below the message
    edit->clear();
    click(&w, "按钮_搜索");
    QCOMPARE(s.fixture.lastMessage(), QStringLiteral("请输入要搜索的内容~"));
    QCOMPARE(s.fixture.messages.back().title, QStringLiteral("温馨提示："));
    QCOMPARE(s.fixture.messages.back().icon, QMessageBox::Information);
}

void MainWindowTest::quickSearchPlaceholder()
{
    StartedWindow s;
    MainWindow& w = s.window;
    auto* box = control<QLineEdit>(&w, "编辑框2");
    QCOMPARE(box->text(), QStringLiteral("请输入搜索内容"));
    box->setFocus();
    QTRY_VERIFY(box->text().isEmpty());
    box->insert(QStringLiteral("故园之恋"));
    click(&w, "按钮1");
    QCOMPARE(w.tabs()->currentIndex(), 2);
    auto* list = control<QTreeWidget>(&w, "超级列表框_搜索");
    QCOMPARE(list->topLevelItemCount(), 1);
    QCOMPARE(list->topLevelItem(0)->text(1), QStringLiteral("电视剧"));

    // Entering again clears the keyword; leaving empty brings the placeholder back,
    // which a click then searches for.
    box->setFocus();
    QTRY_VERIFY(box->text().isEmpty());
    control<QPushButton>(&w, "按钮1")->setFocus();
    QTRY_COMPARE(box->text(), QStringLiteral("请输入搜索内容"));
    click(&w, "按钮1");
    QCOMPARE(s.fixture.lastMessage(), QStringLiteral("未搜索到任何内容~"));

    // Empty at the moment of the click: the page switches first, then the message.
    w.tabs()->setCurrentIndex(0);
    box->clear();
    QTest::mouseClick(control<QPushButton>(&w, "按钮1"), Qt::LeftButton);
    QCOMPARE(w.tabs()->currentIndex(), 2);
    QCOMPARE(s.fixture.lastMessage(), QStringLiteral("请输入要搜索的内容~"));
}

void MainWindowTest::openFilmFromTileAndSeriesFromHit()
{
    StartedWindow s;
    MainWindow& w = s.window;
    clickAndSettle(&w, "电影");
    const demo::Title& film = demo::films()[8];
    QTest::mouseDClick(w.tilePicture(9), Qt::LeftButton);
    QCOMPARE(w.tabs()->currentIndex(), 1);
    QCOMPARE(w.size(), QSize(745, 400));
    QCOMPARE(text(&w, "透明标签_详情剧名"), toQt(film.name));
    QVERIFY(control<PictureBox>(&w, "图片框_详情")->hasPicture());
    GuiFixture::settle();

    const auto label = typeFilterItems(1)[static_cast<size_t>(film.typeIndex)].label;
    QString cast;
    for (const auto& name : film.cast)
        cast += toQt(name) + QStringLiteral("、");
    const QString filmInfo = QStringLiteral(" 类型：") + toQt(label) + QStringLiteral("   年代：") + QString::number(film.year)
        + QStringLiteral("   地区：") + toQt(film.region) + QStringLiteral("\r\n 导演：") + toQt(film.director)
        + QStringLiteral("\r\n 主演：") + cast + QStringLiteral("\r\n\r\n 简介：") + toQt(film.synopsis);
    QCOMPARE(systemText(control<QPlainTextEdit>(&w, "编辑框_简介")), filmInfo);
    QCOMPARE(text(&w, "透明标签_评分"), QStringLiteral("评分：") + toQt(film.score));
    auto* sources = control<QComboBox>(&w, "组合框_来源");
    auto* episodes = control<QTreeWidget>(&w, "超级列表框_剧集");
    QCOMPARE(sources->count(), static_cast<int>(film.platforms.size()));
    QCOMPARE(sources->currentIndex(), 0);
    QCOMPARE(episodes->topLevelItemCount(), 1);
    QCOMPARE(episodes->topLevelItem(0)->text(0), QStringLiteral("正片"));
    QCOMPARE(episodes->topLevelItem(0)->text(1), toQt(appState().filmSources[0].playUrl));
    QVERIFY(episodes->topLevelItem(0)->text(1).contains(QString("/play/%1.html").arg(film.id)));

    // A series from a search hit; picking a source rebuilds the episode rows.
    const demo::Title& show = *demo::findTitle(2044); // 80 episodes on two platforms
    w.tabs()->setCurrentIndex(2);
    control<QLineEdit>(&w, "编辑框_搜索")->setText(toQt(show.name));
    click(&w, "按钮_搜索");
    auto* hits = control<QTreeWidget>(&w, "超级列表框_搜索");
    QCOMPARE(hits->topLevelItemCount(), 1);
    const QPoint hit = hits->visualItemRect(hits->topLevelItem(0)).center();
    QTest::mouseClick(hits->viewport(), Qt::LeftButton, {}, hit);
    QTest::mouseDClick(hits->viewport(), Qt::LeftButton, {}, hit);
    QCOMPARE(w.tabs()->currentIndex(), 1);
    QCOMPARE(text(&w, "透明标签_详情剧名"), toQt(show.name));
    GuiFixture::settle();
    QString seriesCast;
    for (const auto& name : show.cast)
        seriesCast += toQt(name) + QStringLiteral("、");
    const QString seriesInfo = QStringLiteral("类型：") + toQt(typeFilterItems(2)[static_cast<size_t>(show.typeIndex)].label)
        + QStringLiteral("   年代：") + QString::number(show.year) + QStringLiteral("   地区：") + toQt(show.region)
        + QStringLiteral("\r\n导演：") + toQt(show.director) + QStringLiteral("\r\n主演：") + seriesCast
        + QStringLiteral("\r\n简介：\r\n") + toQt(show.synopsis);
    QCOMPARE(systemText(control<QPlainTextEdit>(&w, "编辑框_简介")), seriesInfo);
    QCOMPARE(text(&w, "透明标签_评分"), QStringLiteral("评分：") + toQt(show.score) + QStringLiteral("    集数：全80集"));
    QCOMPARE(sources->count(), static_cast<int>(show.platforms.size()));
    QCOMPARE(episodes->topLevelItemCount(), 80);
    QCOMPARE(episodes->topLevelItem(11)->text(0), QStringLiteral("第12集"));
    QVERIFY(episodes->topLevelItem(79)->text(1).endsWith("/play/2044-80.html"));
    const QString firstSourceEpisode = episodes->topLevelItem(0)->text(1);
    sources->setCurrentIndex(1);
    emit sources->activated(1);
    QCOMPARE(episodes->topLevelItemCount(), 80);
    QVERIFY(episodes->topLevelItem(0)->text(1) != firstSourceEpisode);
}

void MainWindowTest::laterOpeningWins()
{
    StartedWindow s;
    MainWindow& w = s.window;
    // Two openings in a row: only the second title's sources may show.
    QTest::mouseDClick(w.tilePicture(1), Qt::LeftButton);
    w.tabs()->setCurrentIndex(0);
    QTest::mouseDClick(w.tilePicture(2), Qt::LeftButton);
    GuiFixture::settle();
    const demo::Title& second = demo::series()[1];
    QCOMPARE(control<QComboBox>(&w, "组合框_来源")->count(), static_cast<int>(second.platforms.size()));
    QCOMPARE(control<QTreeWidget>(&w, "超级列表框_剧集")->topLevelItemCount(), second.episodes);
    QCOMPARE(text(&w, "透明标签_详情剧名"), toQt(second.name));
}

void MainWindowTest::hitWithNeitherPrefixStartsNoWorker()
{
    StartedWindow s;
    MainWindow& w = s.window;
    auto* hits = control<QTreeWidget>(&w, "超级列表框_搜索");
    auto* row = new QTreeWidgetItem(hits);
    row->setText(0, QStringLiteral("别处"));
    row->setText(2, QStringLiteral("http://elsewhere.localhost/x.html"));
    hits->setCurrentItem(row);
    w.openFromSearchHit();
    GuiFixture::settle();
    QCOMPARE(w.tabs()->currentIndex(), 1);
    QCOMPARE(text(&w, "透明标签_详情剧名"), QStringLiteral("别处"));
    QCOMPARE(control<QComboBox>(&w, "组合框_来源")->count(), 0);
    QCOMPARE(appState().currentDetailUrl, std::string("http://elsewhere.localhost/x.html"));
}

void MainWindowTest::versionCheck_data()
{
    QTest::addColumn<QString>("published");
    QTest::addColumn<bool>("updateShown");
    QTest::newRow("equal") << "4.9" << false;
    QTest::newRow("older") << "4.8" << true;
    QTest::newRow("with a blank") << "4.9 " << true;
    QTest::newRow("empty") << "" << true;
}

namespace {

QWidget* updateWindow()
{
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == "UpdateWindow" && top->isVisible())
            return top;
    return nullptr;
}

} // namespace

void MainWindowTest::versionCheck()
{
    QFETCH(QString, published);
    QFETCH(bool, updateShown);
    demo::DemoOptions options;
    options.latestVersion = fromQt(published);
    StartedWindow s(options);
    MainWindow& w = s.window;
    QWidget* update = updateWindow();
    QCOMPARE(update != nullptr, updateShown);
    QCOMPARE(w.isVisible(), !updateShown);
    if (!updateShown)
        return;
    QCOMPARE(text(&w, "标签_版本刷新"), QStringLiteral("已有新版本，请及时更新"));
    QCOMPARE(text(&w, "标签_当前版本"), QStringLiteral("当前版本：1.2")); // the check stopped at the window
    QCOMPARE(update->windowTitle(), QStringLiteral("骚年，软件有新版啦"));
    QCOMPARE(update->geometry(), QRect(50, 50, 194, 199));
    QCOMPARE(update->findChild<QLabel*>(QStringLiteral("透明标签1"))->text(), published);
    const QString notes = update->findChild<QLabel*>(QStringLiteral("透明标签3"))->text();
    QCOMPARE(notes.count('\n'), 2);
    QVERIFY(notes.startsWith(QStringLiteral("1. 新增三条演示解析线路")));
    update->close();
    QCOMPARE(s.fixture.exitCodes.size(), size_t(1));
    QVERIFY(s.fixture.openedUrls.empty());
}

void MainWindowTest::updateWindowWaysOut()
{
    demo::DemoOptions options;
    options.latestVersion = "5.0";
    StartedWindow s(options);
    QWidget* update = updateWindow();
    QVERIFY(update);
    QTest::mouseClick(update->findChild<QPushButton*>(QStringLiteral("按钮1")), Qt::LeftButton);
    QCOMPARE(s.fixture.openedUrls.size(), size_t(1));
    QCOMPARE(s.fixture.openedUrls[0], QString::fromStdString("http://" + s.fixture.site->host("app") + "/download.html"));
    QCOMPARE(s.fixture.exitCodes.size(), size_t(1));
    update->close();
    QCOMPARE(s.fixture.exitCodes.size(), size_t(1));
}

void MainWindowTest::noInterfaceEndsStartUp()
{
    demo::DemoOptions options;
    options.noInterfaces = true;
    StartedWindow s(options);
    QVERIFY(!s.started);
    QCOMPARE(s.fixture.messages.size(), size_t(1));
    QCOMPARE(s.fixture.lastMessage(), QStringLiteral("获取接口失败！请联系作者更新。"));
    QCOMPARE(s.fixture.messages.back().title, QStringLiteral("提示："));
    QCOMPARE(s.fixture.messages.back().icon, QMessageBox::NoIcon);
    QCOMPARE(s.fixture.exitCodes.size(), size_t(1));
    QVERIFY(s.window.tilePicture(2) == nullptr); // nothing after the stop ran
    QVERIFY(s.window.findChild<QLabel*>(QStringLiteral("透明标签5"))->text().isEmpty());
}

void MainWindowTest::episodeRowsAreTwentyPixelsHigh()
{
    StartedWindow s;
    MainWindow& w = s.window;
    QTest::mouseDClick(w.tilePicture(2), Qt::LeftButton); // a series of 14 episodes
    GuiFixture::settle();
    auto* episodes = control<QTreeWidget>(&w, "超级列表框_剧集");
    QVERIFY(episodes->topLevelItemCount() > 1);
    QCOMPARE(episodes->visualItemRect(episodes->topLevelItem(0)).height(), 20);
    for (int i = 0; i < 5; ++i)
        new QTreeWidgetItem(episodes, {QStringLiteral("第%1集").arg(100 + i)});
    QCOMPARE(episodes->visualItemRect(episodes->topLevelItem(episodes->topLevelItemCount() - 1)).height(), 20);
    QCOMPARE(episodes->columnWidth(0), 65);
    QCOMPARE(episodes->columnWidth(1), 0);
    QVERIFY(episodes->isHeaderHidden());
}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    MainWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "main_window_test.moc"
