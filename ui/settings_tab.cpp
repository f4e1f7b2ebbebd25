// The settings page: versions and download links; and the version check.
#include "app/app_state.h"
#include "app/settings.h"
#include "app/version_check.h"
#include "ui/controls.h"
#include "ui/main_window.h"
#include "ui/platform.h"
#include "ui/qt_text.h"
#include "ui/ui_thread.h"
#include "ui/update_window.h"

#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

namespace pelizo {
namespace {

QPushButton* hyperlink(QWidget* parent, const char* name, const QRect& place, const QString& text,
                       const std::string& target)
{
    auto* link = pushButton(parent, name, place, text);
    link->setFlat(true);
    link->setCursor(Qt::PointingHandCursor);
    link->setStyleSheet("QPushButton { color: #1a66cc; text-decoration: underline; border: none; }");
    QObject::connect(link, &QPushButton::clicked, link, [target] { openInBrowser(QString::fromStdString(target)); });
    return link;
}

} // namespace

void MainWindow::buildSettingsPage(QWidget* page)
{
    transparentLabel(page, "_标签3", {22, 16, 100, 16}, QStringLiteral("检查更新"));
    currentVersionLabel_ = transparentLabel(page, "标签_当前版本", {23, 48, 95, 16}, QStringLiteral("当前版本：1.2"));
    latestVersionLabel_ = transparentLabel(page, "标签_最新版本", {24, 72, 111, 16}, QStringLiteral("最新版本：1.2"));
    auto* rule = new QFrame(page);
    rule->setObjectName(QStringLiteral("分割2"));
    rule->setGeometry(134, 47, 1, 40);
    rule->setFrameShape(QFrame::VLine);
    versionStatusLabel_ = transparentLabel(page, "标签_版本刷新", {145, 56, 215, 20},
                                           QStringLiteral("你使用的是最新版本，无需更新。"));
    transparentLabel(page, "透明标签6", {23, 139, 88, 16}, QStringLiteral("软件下载"));
    const Settings settings = currentSettings();
    hyperlink(page, "C1", {56, 176, 55, 24}, QStringLiteral("百度云"), settings.link1Url);
    hyperlink(page, "C2", {121, 176, 54, 24}, QStringLiteral("蓝奏"), settings.link2Url);
}

void MainWindow::runVersionCheck()
{
    const std::string latest = appState().latestVersion;
    const std::string configUrl = currentSettings().configUrl;
    QPointer<MainWindow> self(this);
    startWorker([self, latest, configUrl] {
        if (versionDiffers(latest)) {
            postToUi([self] {
                if (!self)
                    return;
                self->versionStatusLabel_->setText(QStringLiteral("已有新版本，请及时更新"));
                self->hide();
            });
            // The update window's own two fetches, off the user-interface thread.
            const UpdateInfo info = fetchUpdateInfo(configUrl);
            postToUi([self, info] {
                if (!self)
                    return;
                auto* window = new UpdateWindow(info.notes, info.number);
                window->setAttribute(Qt::WA_DeleteOnClose);
                window->show();
            });
            return;
        }
        postToUi([self, latest] {
            if (!self)
                return;
            self->currentVersionLabel_->setText(QStringLiteral("当前版本：4.9"));
            self->latestVersionLabel_->setText(QStringLiteral("最新版本：") + toQt(latest));
        });
    });
}

} // namespace pelizo
