#include "ui/update_window.h"

#include "app/settings.h"
#include "ui/button_art.h"
#include "ui/controls.h"
#include "ui/platform.h"
#include "ui/qt_text.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace pelizo {
UpdateWindow::UpdateWindow(const std::string& notes, const std::string& number)
{
    setObjectName("UpdateWindow");
    setWindowTitle(QStringLiteral("骚年，软件有新版啦"));
    setWindowIcon(QIcon(applicationIcon(64)));
    setGeometry(50, 50, 194, 199);
    setWindowModality(Qt::ApplicationModal);

    transparentLabel(this, "透明标签2", {48, 0, 80, 20}, QStringLiteral("最新版本："));
    transparentLabel(this, "透明标签1", {118, 2, 56, 14}, toQt(number));
    auto* group = new QGroupBox(QStringLiteral("更新内容"), this);
    group->setObjectName(QStringLiteral("分组框1"));
    group->setGeometry(4, 25, 180, 112);
    QLabel* notesLabel = transparentLabel(group, "透明标签3", {11, 24, 160, 80},
                                          toQt(notes).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    notesLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    notesLabel->setWordWrap(true);
    notesLabel->setProperty("systemText", QByteArray(notes.data(), static_cast<qsizetype>(notes.size())));
    auto* download = pushButton(this, "按钮1", {64, 144, 72, 24}, QStringLiteral("下载新版"));
    connect(download, &QPushButton::clicked, this, &UpdateWindow::onDownload);
}

void UpdateWindow::onDownload()
{
    openInBrowser(QString::fromStdString(currentSettings().downloadUrl));
    leave();
}

void UpdateWindow::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    leave();
}

void UpdateWindow::leave()
{
    if (left_)
        return;
    left_ = true;
    endProgram(0);
}

} // namespace pelizo
