#include "platform/qt/window/help_window.h"

// Qt
#include <QKeySequence>
#include <QProcess>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>

// std
#include <utility>

namespace pipstone {

namespace {

constexpr int kWidth = 720;
constexpr int kHeight = 600;

} // namespace

HelpWindow::HelpWindow(QWidget &gameWindow, QString opener)
    : gameWindow_(gameWindow)
    , opener_(std::move(opener))
{
}

// The opener's verdict comes from its exit status: xdg-open exits 0 once a
// viewer has the page, and fails when the desktop has none. It is heard from
// the event loop, so the game's own window never opens in the middle of a
// game step.
void HelpWindow::open(const QString &page)
{
    auto *opener = new QProcess(&gameWindow_);
    opener->setProcessChannelMode(QProcess::ForwardedChannels);
    opener->setStandardInputFile(QProcess::nullDevice());
    QObject::connect(opener, &QProcess::errorOccurred, opener, [this, opener, page](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        showOwnWindow(page);
        opener->deleteLater();
    }, Qt::QueuedConnection);
    QObject::connect(opener, &QProcess::finished, opener, [this, opener, page](int code, QProcess::ExitStatus status) {
        if (status != QProcess::NormalExit || code != 0)
            showOwnWindow(page);
        opener->deleteLater();
    }, Qt::QueuedConnection);
    opener->start(opener_, {QUrl::fromLocalFile(page).toString()});
}

void HelpWindow::showOwnWindow(const QString &page)
{
    if (!own_) {
        own_ = new QTextBrowser(&gameWindow_);
        own_->setWindowFlag(Qt::Window);
        own_->setAttribute(Qt::WA_DeleteOnClose);
        own_->setWindowTitle(QStringLiteral("Pipstone Help"));
        own_->setAccessibleName(QStringLiteral("How to play Pipstone"));
        own_->setOpenExternalLinks(true);
        own_->resize(kWidth, kHeight);
        auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), own_);
        QObject::connect(escape, &QShortcut::activated, own_, &QWidget::close);
    }
    own_->setSource(QUrl::fromLocalFile(page));
    own_->show();
    own_->raise();
    own_->activateWindow();
}

QTextBrowser *HelpWindow::ownWindow() const
{
    return own_;
}

void HelpWindow::close()
{
    if (own_)
        own_->close();
}

} // namespace pipstone
