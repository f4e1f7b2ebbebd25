// The details tab: the two openers, the film and series workers and the
// source-chosen routine that builds the episode list.
#include "app/app_state.h"
#include "net/download.h"
#include "ui/controls.h"
#include "ui/detail_texts.h"
#include "ui/main_window.h"
#include "ui/picture_box.h"
#include "ui/player_window.h"
#include "ui/platform.h"
#include "ui/qt_text.h"
#include "ui/ui_thread.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTabWidget>
#include <QTreeWidget>

namespace pelizo {
namespace {

bool isFilmAddress(const std::string& url) { return url.compare(0, 8, "http://d") == 0; }
bool isSeriesAddress(const std::string& url) { return url.compare(0, 8, "http://t") == 0; }

void appendEpisodeRow(QTreeWidget* list, const std::string& label, const std::string& address)
{
    auto* row = new QTreeWidgetItem(list);
    row->setText(0, toQt(label));
    row->setText(1, toQt(address));
}

// The information text as the system composed it, kept byte for byte on the
// edit box; the box shows it with plain line breaks.
void setInformationText(QPlainTextEdit* edit, const std::string& text)
{
    edit->setProperty("systemText", QByteArray(text.data(), static_cast<qsizetype>(text.size())));
    edit->setPlainText(toQt(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

} // namespace

void MainWindow::buildDetailsPage(QWidget* page)
{
    detailTitle_ = transparentLabel(page, "透明标签_详情剧名", {10, 8, 201, 28}, QString());
    QFont titleFont = detailTitle_->font();
    titleFont.setPixelSize(18);
    titleFont.setBold(true);
    detailTitle_->setFont(titleFont);

    detailPoster_ = placed<PictureBox>(page, "图片框_详情", {10, 40, 188, 266});
    detailPoster_->setFrameStyle(QFrame::Box);

    scoreLabel_ = transparentLabel(page, "透明标签_评分", {212, 14, 367, 16}, QString());

    infoEdit_ = placed<QPlainTextEdit>(page, "编辑框_简介", {212, 40, 433, 216});
    infoEdit_->setReadOnly(true);

    transparentLabel(page, "透明标签_来源", {212, 268, 40, 20}, QStringLiteral("来源："));
    sourceCombo_ = placed<QComboBox>(page, "组合框_来源", {252, 268, 75, 20});

    transparentLabel(page, "透明标签2", {652, 16, 90, 16}, QStringLiteral("双击集数播放"));

    episodeList_ = reportList(page, "超级列表框_剧集", {650, 40, 93, 216}, {}, {65, 0});

    connect(sourceCombo_, &QComboBox::activated, this, &MainWindow::onSourceChosen);
    connect(episodeList_, &QTreeWidget::itemDoubleClicked, this, &MainWindow::onEpisodeDoubleClicked);
}

void MainWindow::openFromTile(PictureBox* tile)
{
    tabs_->setUsesScrollButtons(false); // the display setting that a page change switches on again
    if (refuseWhileLoading())
        return;
    AppState& state = appState();
    const int k = tile->tag();
    if (k < 1 || static_cast<size_t>(k) > state.listingItems.size())
        return; // no listing shown on this tile yet
    state.currentDetailUrl = state.listingItems[static_cast<size_t>(k - 1)];
    if (QLabel* label = tileLabel(k + 35))
        detailTitle_->setText(label->text());
    detailPoster_->setPicture(tile->picture());
    tabs_->setCurrentIndex(1);
    sourceCombo_->clear();
    startDetailsWorker();
}

void MainWindow::openFromSearchHit()
{
    const QTreeWidgetItem* row = searchList_->currentItem();
    if (!row)
        return;
    detailTitle_->setText(row->text(0));
    const std::string posterUrl = fromQt(row->text(3));
    detailPoster_->setImageBytes(runWhileRepainting<std::string>([posterUrl] { return downloadBytes(posterUrl); }));
    appState().currentDetailUrl = fromQt(row->text(2));
    tabs_->setCurrentIndex(1);
    sourceCombo_->clear();
    startDetailsWorker();
}

void MainWindow::startDetailsWorker()
{
    const std::string url = appState().currentDetailUrl;
    // A later opening wins: results of an earlier worker are dropped.
    const unsigned generation = ++appState().detailsGeneration;
    if (isFilmAddress(url))
        runDetailsWorker<FilmDetail, FilmSource>(url, generation, scrapeFilmInfo, filmInformationText, filmScoreLine,
                                                 scrapeFilmSources, &AppState::filmSources);
    else if (isSeriesAddress(url))
        runDetailsWorker<SeriesDetail, SeriesSource>(url, generation, scrapeSeriesInfo, seriesInformationText,
                                                     seriesScoreLine, scrapeSeriesSources, &AppState::seriesSources);
}

template <typename Detail, typename Source>
void MainWindow::runDetailsWorker(const std::string& url, unsigned generation,
                                  bool (*scrapeInfo)(const std::string&, Detail&),
                                  std::string (*informationText)(const Detail&),
                                  std::string (*scoreLine)(const Detail&),
                                  int (*scrapeSources)(const std::string&, std::vector<Source>&),
                                  std::vector<Source> AppState::*sourceList)
{
    QPointer<MainWindow> self(this);
    const auto current = [self, generation] { return self && generation == appState().detailsGeneration; };
    startWorker([=] {
        Detail detail;
        scrapeInfo(url, detail);
        postToUi([=, info = informationText(detail), score = scoreLine(detail)] {
            if (!current())
                return;
            setInformationText(self->infoEdit_, info);
            self->scoreLabel_->setText(toQt(score));
        });
        std::vector<Source> sources;
        scrapeSources(url, sources);
        postToUi([=, sources = std::move(sources)]() mutable {
            if (!current())
                return;
            auto& list = appState().*sourceList;
            list = std::move(sources);
            for (const auto& source : list)
                self->sourceCombo_->addItem(toQt(source.name));
            self->episodeList_->clear();
            if (list.empty()) {
                appendEpisodeRow(self->episodeList_, kNoSourceLabel, "");
                return;
            }
            const QSignalBlocker blocker(self->sourceCombo_); // setting the item raises no event
            self->sourceCombo_->setCurrentIndex(0);
            self->onSourceChosen();
        });
    });
}

void MainWindow::onSourceChosen()
{
    const AppState& state = appState();
    episodeList_->clear();
    const int i = sourceCombo_->currentIndex();
    const std::string& url = state.currentDetailUrl;
    // No current item, or more items than sources: nothing to show.
    if (isFilmAddress(url) && i >= 0 && static_cast<size_t>(i) < state.filmSources.size())
        appendEpisodeRow(episodeList_, kFeatureLabel, state.filmSources[static_cast<size_t>(i)].playUrl);
    if (isSeriesAddress(url) && i >= 0 && static_cast<size_t>(i) < state.seriesSources.size()) {
        const auto& episodes = state.seriesSources[static_cast<size_t>(i)].episodes;
        for (size_t n = 1; n <= episodes.size(); ++n)
            appendEpisodeRow(episodeList_, episodeLabel(static_cast<int>(n)), episodes[n - 1]);
    }
}

void MainWindow::onEpisodeDoubleClicked() { openPlayer(this, episodeList_, detailTitle_); }

} // namespace pelizo
