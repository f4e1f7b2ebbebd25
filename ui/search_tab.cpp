// The search tab and the quick search of the library tab's header row.
#include "app/app_state.h"
#include "net/download.h"
#include "net/text.h"
#include "scrape/search_scraper.h"
#include "ui/controls.h"
#include "ui/main_window.h"
#include "ui/picture_box.h"
#include "ui/platform.h"
#include "ui/qt_text.h"
#include "ui/ui_thread.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

namespace pelizo {

void MainWindow::buildSearchPage(QWidget* page)
{
    searchEdit_ = placed<QLineEdit>(page, "编辑框_搜索", {20, 12, 216, 30});
    searchButton_ = pushButton(page, "按钮_搜索", {244, 12, 64, 30}, QStringLiteral("搜索"));
    keepRecords_ = placed<QCheckBox>(page, "选择框1", {318, 17, 80, 20});
    keepRecords_->setText(QStringLiteral("保留记录"));
    transparentLabel(page, "透明标签3", {20, 50, 200, 16}, QStringLiteral("仅显示前5条搜索结果"));

    // The two address columns are 0 wide: the rows carry them unseen.
    searchList_ = reportList(page, "超级列表框_搜索", {20, 72, 357, 207},
                             {QStringLiteral("剧名"), QStringLiteral("类型"), QStringLiteral("地址"), QStringLiteral("图片地址")},
                             {250, 80, 0, 0});

    searchPoster_ = placed<PictureBox>(page, "图片框2", {420, 12, 190, 265});
    searchPoster_->setFrameStyle(QFrame::Box);

    connect(searchButton_, &QPushButton::clicked, this, &MainWindow::onTabSearch);
    connect(searchEdit_, &QLineEdit::returnPressed, this, &MainWindow::onTabSearch);
    connect(searchList_, &QTreeWidget::itemSelectionChanged, this, &MainWindow::onSearchSelection);
    connect(searchList_, &QTreeWidget::itemDoubleClicked, this, &MainWindow::openFromSearchHit);
}

void MainWindow::onQuickSearch()
{
    tabs_->setCurrentIndex(2); // before the empty check: an empty box still shows the search page
    runSearch(quickSearchEdit_);
}

void MainWindow::onTabSearch() { runSearch(searchEdit_); }

void MainWindow::runSearch(QLineEdit* box)
{
    const QString text = box->text();
    if (text.isEmpty()) {
        showMessage(this, QStringLiteral("请输入要搜索的内容~"), QStringLiteral("温馨提示："), QMessageBox::Information);
        return;
    }
    if (!keepRecords_->isChecked())
        searchList_->clear();

    const std::string keyword = trimBlanks(fromQt(text));
    searchButton_->setEnabled(false);
    quickSearchButton_->setEnabled(false);
    const std::vector<SearchResult> results = runWhileRepainting<std::vector<SearchResult>>([keyword] {
        std::vector<SearchResult> found;
        searchTitles(keyword, found);
        return found;
    });
    searchButton_->setEnabled(true);
    quickSearchButton_->setEnabled(true);

    for (const auto& r : results) {
        auto* row = new QTreeWidgetItem(searchList_);
        row->setText(0, toQt(r.title));
        row->setText(1, toQt(r.kind));
        row->setText(2, toQt(r.detailUrl));
        row->setText(3, toQt(r.posterUrl));
    }
    if (results.empty())
        showMessage(this, QStringLiteral("未搜索到任何内容~"), QStringLiteral("温馨提示："), QMessageBox::Information);
}

void MainWindow::onSearchSelection()
{
    const QTreeWidgetItem* row = searchList_->currentItem();
    if (!row)
        return;
    const std::string url = fromQt(row->text(3));
    const std::string bytes = runWhileRepainting<std::string>([url] { return downloadBytes(url); });
    searchPoster_->setImageBytes(bytes);
}

} // namespace pelizo
