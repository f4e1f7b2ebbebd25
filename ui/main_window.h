// MainWindow ("全网Pelizo"): the title strip and the five-page tab control
// with the library, details, search and settings pages.
//
// Controls carry the names of the window design as their objectName. The
// handlers of each page live in a source file of their own.
#pragma once

#include "scrape/film_scraper.h"
#include "scrape/listing_filters.h"
#include "scrape/listing_scraper.h"
#include "scrape/series_scraper.h"

#include <QWidget>
#include <functional>
#include <vector>

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTreeWidget;

namespace pelizo {

struct AppState;
class PictureBox;
class PictureButton;

// Steps of start-up that other parts of the application provide.
struct StartupHooks {
    std::function<void()> attachSkin;
};
StartupHooks& startupHooks();

class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // The created handler: runs once the window exists, before the event
    // loop. False when start-up ended the program (no parse interface).
    bool runCreatedHandler();

    // Library tab
    void layOutTiles();
    void loadListingPage();
    PictureBox* tilePicture(int tag) const;
    QLabel* tileLabel(int tag) const;

    // Details tab
    void openFromTile(PictureBox* tile);
    void openFromSearchHit();
    void onSourceChosen();

    QTabWidget* tabs() const { return tabs_; }

private:
    // construction, one page at a time
    void buildTitleStrip();
    void buildLibraryPage(QWidget* page);
    void buildDetailsPage(QWidget* page);
    void buildSearchPage(QWidget* page);
    void buildSettingsPage(QWidget* page);
    void selectBigButton(int which);

    // title strip
    void onBigButton(int which);

    // library
    bool refuseWhileLoading();
    void onSeriesCategory();
    void onFilmCategory();
    void onApplyFilter();
    void onPreviousPage();
    void onNextPage();
    void onJump();
    void onPageChanged(int index);
    void showListingHeader(int page, int count);
    void fillTile(int k, const std::string& posterBytes, const std::string& title, const std::string& detailUrl);
    void finishListing(int shown);
    void fillCombo(QComboBox* combo, const std::vector<FilterItem>& items);

    // search
    void onQuickSearch();
    void onTabSearch();
    void runSearch(QLineEdit* box);
    void onSearchSelection();

    // details
    void startDetailsWorker();
    template <typename Detail, typename Source>
    void runDetailsWorker(const std::string& url, unsigned generation, bool (*scrapeInfo)(const std::string&, Detail&),
                          std::string (*informationText)(const Detail&), std::string (*scoreLine)(const Detail&),
                          int (*scrapeSources)(const std::string&, std::vector<Source>&),
                          std::vector<Source> AppState::*sourceList);
    void onEpisodeDoubleClicked();

    // settings, version check
    void runVersionCheck();

    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    // title strip
    QLabel* strip_ = nullptr;
    QLabel* welcomeLabel_ = nullptr;
    QLabel* interfaceCountLabel_ = nullptr;
    PictureButton* bigButtons_[3] = {};
    QPixmap bigPictures_[3][3];
    PictureButton* menuButton_ = nullptr;
    PictureButton* minimiseButton_ = nullptr;
    PictureButton* closeButton_ = nullptr;
    QMenu* menu_ = nullptr;
    QTabWidget* tabs_ = nullptr;

    // library
    QPushButton* seriesButton_ = nullptr;
    QPushButton* filmButton_ = nullptr;
    QLabel* pageLabel_ = nullptr;
    QPushButton* previousButton_ = nullptr;
    QPushButton* nextButton_ = nullptr;
    QLineEdit* jumpEdit_ = nullptr;
    QPushButton* jumpButton_ = nullptr;
    QRadioButton* seriesRadio_ = nullptr;
    QRadioButton* filmRadio_ = nullptr;
    QComboBox* yearCombo_ = nullptr;
    QComboBox* typeCombo_ = nullptr;
    QPushButton* applyButton_ = nullptr;
    std::vector<PictureBox*> tiles_;
    std::vector<QLabel*> tileLabels_;
    bool firstGridReported_ = false;

    // search
    QLineEdit* quickSearchEdit_ = nullptr;
    QPushButton* quickSearchButton_ = nullptr;
    QLineEdit* searchEdit_ = nullptr;
    QPushButton* searchButton_ = nullptr;
    QCheckBox* keepRecords_ = nullptr;
    QTreeWidget* searchList_ = nullptr;
    PictureBox* searchPoster_ = nullptr;

    // details
    QLabel* detailTitle_ = nullptr;
    PictureBox* detailPoster_ = nullptr;
    QLabel* scoreLabel_ = nullptr;
    QPlainTextEdit* infoEdit_ = nullptr;
    QComboBox* sourceCombo_ = nullptr;
    QTreeWidget* episodeList_ = nullptr;

    // settings
    QLabel* currentVersionLabel_ = nullptr;
    QLabel* latestVersionLabel_ = nullptr;
    QLabel* versionStatusLabel_ = nullptr;
};

} // namespace pelizo
