#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class QFileDialog;
class QWidget;

namespace kirune {

// The game's program started with this option shows the open-file dialog for a running game
// and ends: the arguments follow it.
inline constexpr char kFileDialogOption[] = "--open-file-dialog";

// Shows the open-file dialog in a helper process, over parent as the game's own dialog would
// be, while pump keeps the game running: the path chosen, empty when none. Nullopt where a
// window of another process cannot be the dialog's parent (not X11), or no helper ran.
std::optional<QString> ChooseFileInHelper(QWidget* parent, const QString& folder, const QString& filter,
                                          const std::function<void()>& pump);

// The helper's side, in a QApplication set up as the game's: shows the dialog and writes the
// chosen path to standard output.
int RunFileDialogHelper(const QStringList& arguments);

// The two halves of the above, apart for the tests: what the game tells the helper (after
// kFileDialogOption), and the dialog the helper makes of it, placed where the game's own would
// be when shown. The game's window becomes its parent only on X11.
QStringList FileDialogArguments(QWidget* parent, const QString& folder, const QString& filter);
std::unique_ptr<QFileDialog> FileDialogFromArguments(const QStringList& arguments);

}  // namespace kirune
