#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <optional>

class QFileDialog;

// The program in a web browser (the WebAssembly build): the student's files come and go through
// the browser, as downloads and through its file picker, and a lesson can travel in a link. Outside
// a browser every function here leaves the desktop's way of doing things alone.
namespace vestor::browser {

#ifdef Q_OS_WASM
inline constexpr bool kInBrowser = true;
#else
inline constexpr bool kInBrowser = false;
#endif

// Runs a file dialog set up by its caller, the browser's way. One that saves names a file in the
// page's own folder, which saveWhole then hands to the browser as a download; one that opens lets
// the student pick files from the computer and gives copies of them in that folder. The chosen
// files, none when the student cancels.
QStringList chooseFiles(QFileDialog& dialog);
// Hands a file just written to the browser as a download; nothing outside a browser.
void offerDownload(const QString& path, const QByteArray& bytes);
// The file Print writes its PDF page into (name.pdf); the browser downloads it and prints it from there.
QString printFile(const QString& name);
// Whether the browser asks before the page is closed or left: while counts are not saved.
void setLeavingAsks(bool ask);
// The program's window has closed: the page says so, and how to start it again.
void pageClosed();
// Calls `open` with the lesson of a link pasted into the address of the page already open (its
// fragment changed, which does not load the page again), as the event loop comes to it.
void onLinkedLesson(std::function<void(const QString&)> open);

// The page's address with the lesson compressed into its fragment: "#lesson=...".
QString lessonLink(const QString& address, const QByteArray& lesson);
// The lesson a fragment (with or without its '#') carries; nothing when it carries none. A damaged
// one gives what the lesson reader refuses with its own message.
std::optional<QByteArray> lessonInFragment(const QString& fragment);

// The page's address, without its fragment; empty outside a browser.
QString pageAddress();
// The seed a check passes in the page's address (?seed=N), as tests seed the window.
std::optional<std::uint64_t> pageSeed();
// The lesson of the link the page was opened with, written into a file to be opened as Open Lesson
// opens one; empty when the page's address carries none.
QString linkedLessonFile();

}  // namespace vestor::browser
