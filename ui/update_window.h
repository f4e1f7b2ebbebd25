// UpdateWindow ("骚年，软件有新版啦"): the compulsory update. Leaving it in
// any way ends the application; "下载新版" opens the download page first.
#pragma once

#include <QWidget>
#include <string>

namespace pelizo {

class UpdateWindow : public QWidget {
    Q_OBJECT
public:
    // `notes` and `number` in code page 936, as read from the configuration file.
    UpdateWindow(const std::string& notes, const std::string& number);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void onDownload();
    void leave();
    bool left_ = false;
};

} // namespace pelizo
