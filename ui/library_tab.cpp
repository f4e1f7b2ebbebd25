// The library tab: the 35-tile poster grid, its loader, the category, filter,
// paging and jump commands, and the busy guard.
#include "app/app_state.h"
#include "app/timings.h"
#include "net/download.h"
#include "ui/controls.h"
#include "ui/main_window.h"
#include "ui/picture_box.h"
#include "ui/platform.h"
#include "ui/qt_text.h"
#include "ui/ui_thread.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

namespace pelizo {
namespace {

constexpr int kTileCount = 35;

QLabel* tileLabelLike(QWidget* parent, const QLabel* model)
{
    auto* label = new QLabel(model ? model->text() : QString(), parent);
    if (model) {
        label->setObjectName(model->objectName());
        label->setGeometry(model->geometry());
        label->setAlignment(model->alignment());
        label->setAttribute(Qt::WA_TranslucentBackground);
    }
    return label;
}

// Leading decimal digits as a number; 0 when there are none.
int leadingNumber(const QString& text)
{
    int digits = 0;
    while (digits < text.size() && digits < 9 && text.at(digits).isDigit() && text.at(digits).unicode() < 128)
        ++digits;
    return digits == 0 ? 0 : text.left(digits).toInt();
}

} // namespace

void MainWindow::buildLibraryPage(QWidget* page)
{
    auto* seriesFrame = placed<QFrame>(page, "外形框1", {11, 5, 73, 27});
    seriesButton_ = pushButton(seriesFrame, "电视剧", {1, 1, 71, 25}, QStringLiteral("电视剧"));
    auto* filmFrame = placed<QFrame>(page, "外形框2", {88, 5, 73, 27});
    filmButton_ = pushButton(filmFrame, "电影", {1, 1, 71, 25}, QStringLiteral("电影"));

    quickSearchEdit_ = placed<QLineEdit>(page, "编辑框2", {300, 8, 120, 24});
    quickSearchEdit_->setText(QStringLiteral("请输入搜索内容"));
    quickSearchButton_ = pushButton(page, "按钮1", {424, 8, 50, 24}, QStringLiteral("搜索"));

    pageLabel_ = transparentLabel(page, "透明标签_页数", {490, 10, 46, 20}, QString());
    previousButton_ = pushButton(page, "上一页", {544, 10, 50, 20}, QStringLiteral("上一页"));
    nextButton_ = pushButton(page, "下一页", {597, 10, 50, 20}, QStringLiteral("下一页"));
    jumpEdit_ = placed<QLineEdit>(page, "编辑框_跳转", {649, 10, 48, 20});
    jumpButton_ = pushButton(page, "跳转", {700, 10, 37, 20}, QStringLiteral("跳转"));

    auto* tile = placed<PictureBox>(page, "图片框1", {6, 40, 100, 130});
    tile->setFrameStyle(QFrame::Box);
    tile->setCursor(Qt::PointingHandCursor);
    QLabel* label = transparentLabel(page, "透明标签1", {7, 173, 100, 26}, QString());
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    tiles_.push_back(tile);
    tileLabels_.push_back(label);
    connect(tile, &PictureBox::doubleClicked, this, &MainWindow::openFromTile);

    auto* categoryGroup = placed<QGroupBox>(page, "分组框1", {707, 51, 176, 32});
    auto* typeCaption = new QLabel(QStringLiteral("类型："), categoryGroup);
    typeCaption->setGeometry(6, 10, 46, 20);
    seriesRadio_ = placed<QRadioButton>(categoryGroup, "单选框_电视剧", {54, 10, 56, 20});
    seriesRadio_->setText(QStringLiteral("电视剧"));
    filmRadio_ = placed<QRadioButton>(categoryGroup, "单选框_电影", {120, 10, 48, 20});
    filmRadio_->setText(QStringLiteral("电影"));
    seriesRadio_->setChecked(true);

    yearCombo_ = placed<QComboBox>(page, "组合框_年代", {792, 56, 68, 20});
    typeCombo_ = placed<QComboBox>(page, "组合框_类型", {914, 88, 68, 20});
    fillCombo(typeCombo_, typeFilterItems(2));
    fillCombo(yearCombo_, yearFilterItems(2));
    applyButton_ = pushButton(page, "按钮_确定", {888, 280, 50, 24}, QStringLiteral("确定"));

    connect(seriesButton_, &QPushButton::clicked, this, &MainWindow::onSeriesCategory);
    connect(filmButton_, &QPushButton::clicked, this, &MainWindow::onFilmCategory);
    connect(applyButton_, &QPushButton::clicked, this, &MainWindow::onApplyFilter);
    connect(previousButton_, &QPushButton::clicked, this, &MainWindow::onPreviousPage);
    connect(nextButton_, &QPushButton::clicked, this, &MainWindow::onNextPage);
    connect(jumpButton_, &QPushButton::clicked, this, &MainWindow::onJump);
    connect(jumpEdit_, &QLineEdit::returnPressed, this, &MainWindow::onJump);
    connect(quickSearchButton_, &QPushButton::clicked, this, &MainWindow::onQuickSearch);
    jumpEdit_->installEventFilter(this);
    quickSearchEdit_->installEventFilter(this);
}

void MainWindow::fillCombo(QComboBox* combo, const std::vector<FilterItem>& items)
{
    combo->clear();
    for (const auto& item : items)
        combo->addItem(toQt(item.label));
    combo->setCurrentIndex(0);
}

PictureBox* MainWindow::tilePicture(int tag) const
{
    for (PictureBox* tile : tiles_)
        if (tile->tag() == tag)
            return tile;
    return nullptr;
}

QLabel* MainWindow::tileLabel(int tag) const
{
    for (QLabel* label : tileLabels_)
        if (label->property("tag").toInt() == tag)
            return label;
    return nullptr;
}

void MainWindow::layOutTiles()
{
    PictureBox* templateTile = tiles_.front();
    QLabel* templateLabel = tileLabels_.front();
    templateTile->setTag(1);
    templateLabel->setProperty("tag", 36);
    for (int k = 2; k <= kTileCount; ++k) {
        const int column = (k - 1) % 7;
        const int row = (k - 1) / 7;
        PictureBox* tile = templateTile->copy();
        connect(tile, &PictureBox::doubleClicked, this, &MainWindow::openFromTile);
        QLabel* label = tileLabelLike(templateLabel->parentWidget(), templateLabel);
        tile->setTag(k);
        label->setProperty("tag", k + 35);
        tile->move(templateTile->x() + 105 * column, templateTile->y() + 155 * row);
        label->move(templateLabel->x() + 105 * column, templateLabel->y() + 155 * row);
        tile->setVisible(true);
        label->setVisible(true);
        tiles_.push_back(tile);
        tileLabels_.push_back(label);
        QCoreApplication::processEvents();
    }
}

void MainWindow::loadListingPage()
{
    AppState& state = appState();
    state.listLoading = true;
    state.listingItems.clear();
    if (filmRadio_->isChecked())
        state.listingCategory = 1;
    if (seriesRadio_->isChecked())
        state.listingCategory = 2;
    const int category = state.listingCategory;
    const std::string type = state.typeCode;
    const std::string year = state.yearCode;
    const int page = state.currentPage;

    QPointer<MainWindow> self(this);
    startWorker([self, category, type, year, page] {
        std::vector<ListingItem> items;
        const int count = fetchListingPage(category, type, year, page, items);
        postToUi([self, page, count] {
            if (self)
                self->showListingHeader(page, count);
        });
        for (size_t k = 0; k < items.size(); ++k) {
            std::string poster = downloadBytes(items[k].posterUrl);
            postToUi([self, k, poster = std::move(poster), item = items[k]] {
                if (self)
                    self->fillTile(static_cast<int>(k) + 1, poster, item.title, item.detailUrl);
            });
        }
        postToUi([self, shown = static_cast<int>(items.size())] {
            if (self)
                self->finishListing(shown);
        });
    });
}

void MainWindow::showListingHeader(int page, int count)
{
    appState().pageCount = count;
    if (!firstGridReported_)
        reportTiming("listing scraped");
    pageLabel_->setText(QString::number(page) + "/" + QString::number(count));
    previousButton_->setEnabled(page != 1);
    nextButton_->setEnabled(page < count);
}

void MainWindow::fillTile(int k, const std::string& posterBytes, const std::string& title, const std::string& detailUrl)
{
    if (PictureBox* tile = tilePicture(k)) {
        tile->setVisible(true);
        tile->setImageBytes(posterBytes);
    }
    if (QLabel* label = tileLabel(k + 35)) {
        label->setVisible(true);
        label->setText(toQt(title));
    }
    appState().listingItems.push_back(detailUrl);
}

void MainWindow::finishListing(int shown)
{
    for (int j = 1; j <= kTileCount - shown; ++j) {
        if (PictureBox* tile = tilePicture(shown + j))
            tile->setVisible(false);
        if (QLabel* label = tileLabel(shown + j + 35))
            label->setVisible(false);
    }
    appState().listLoading = false;
    if (!firstGridReported_) {
        firstGridReported_ = true;
        reportTiming("last poster of the first grid shown");
    }
}

bool MainWindow::refuseWhileLoading()
{
    if (!appState().listLoading)
        return false;
    showMessage(this, QStringLiteral("请稍待片刻，列表还没加载完呢~ "), QStringLiteral("温馨提示："));
    return true;
}

void MainWindow::onSeriesCategory()
{
    // Refused while a page loads, before anything changes: one loader at a time.
    if (refuseWhileLoading())
        return;
    seriesRadio_->setChecked(true);
    filmRadio_->setChecked(false);
    fillCombo(typeCombo_, typeFilterItems(2));
    fillCombo(yearCombo_, yearFilterItems(2));
    loadListingPage();
}

void MainWindow::onFilmCategory()
{
    if (refuseWhileLoading())
        return;
    filmRadio_->setChecked(true);
    seriesRadio_->setChecked(false);
    loadListingPage();
    fillCombo(typeCombo_, typeFilterItems(1));
    fillCombo(yearCombo_, yearFilterItems(1));
}

void MainWindow::onApplyFilter()
{
    if (refuseWhileLoading())
        return;
    AppState& state = appState();
    state.typeCode.clear();
    state.currentPage = 1;
    const int yearIndex = yearCombo_->currentIndex();
    state.yearCode = yearIndex < 0 ? std::string() : fromQt(yearCombo_->currentText());
    if (yearIndex == 0)
        state.yearCode.clear();
    else if (yearIndex == 8)
        state.yearCode = "20102000";
    const int typeIndex = typeCombo_->currentIndex();
    const auto typeCodeFor = [typeIndex](int category) {
        const auto& items = typeFilterItems(category);
        return typeIndex >= 1 && typeIndex < static_cast<int>(items.size()) ? std::string(items[static_cast<size_t>(typeIndex)].code)
                                                                           : std::string();
    };
    if (seriesRadio_->isChecked()) {
        state.typeCode = typeCodeFor(2);
        if (yearIndex == 9)
            state.yearCode = "19991990";
        else if (yearIndex == 10)
            state.yearCode = "19891800";
    }
    if (filmRadio_->isChecked()) {
        state.typeCode = typeCodeFor(1);
        if (yearIndex == 9)
            state.yearCode = "19691800";
    }
    loadListingPage();
}

void MainWindow::onPreviousPage()
{
    if (refuseWhileLoading())
        return;
    appState().currentPage = appState().currentPage - 1;
    loadListingPage();
}

void MainWindow::onNextPage()
{
    if (refuseWhileLoading())
        return;
    appState().currentPage = appState().currentPage + 1;
    loadListingPage();
}

void MainWindow::onJump()
{
    if (refuseWhileLoading())
        return;
    const QString text = jumpEdit_->text();
    const int n = leadingNumber(text);
    const int count = appState().pageCount;
    if (text.isEmpty() || n < 1 || n > count) {
        showMessage(this, QStringLiteral("请输入 1-") + QString::number(count) + QStringLiteral(" 之间的数字！"),
                    QStringLiteral("提示："), QMessageBox::Critical);
        return;
    }
    appState().currentPage = n;
    loadListingPage();
}

} // namespace pelizo
