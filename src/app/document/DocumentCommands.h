#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

// The commands of the file menu on the open document: new, open, save, save
// as and the recent files, each asking first about unsaved changes where the
// document would be put away, and saying why when a file cannot be read or
// written (the document then stays as it was).
namespace app::document {

class RecentFiles;
class Session;

class DocumentCommands : public QObject
{
    Q_OBJECT

public:
    DocumentCommands(QWidget *window, Session &session, RecentFiles &recent);

    // Chooses a file to open (`forSaving` false) or to save as (`suggested`
    // first); empty when the user cancelled. Tests replace the file dialogs.
    using FileChooser = std::function<QString(bool forSaving, const QString &suggested)>;
    void setFileChooser(FileChooser chooser) { choose_ = std::move(chooser); }
    // The window that owns the boxes (the window where the command came from).
    void setBoxParent(QWidget *parent) { boxParent_ = parent; }

    // Each returns false when the user cancelled or it failed.
    bool newDocument();
    bool open();
    bool openPath(const QString &path);
    bool openRecent(const QString &path);
    bool save();
    bool saveAs();
    // The unsaved-changes box (保存 / 保存しない / キャンセル) when the document
    // is modified: true when it may be put away (saved, or not wanted).
    bool mayPutAway();

signals:
    // The list of recent files changed.
    void recentChanged();

private:
    QWidget *parent() const;
    bool saveTo(const QString &path);

    QWidget *window_;
    QPointer<QWidget> boxParent_;
    Session &session_;
    RecentFiles &recent_;
    FileChooser choose_;
};

} // namespace app::document
