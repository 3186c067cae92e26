#include "app/document/DocumentCommands.h"

#include "app/document/DocumentFiles.h"
#include "app/document/DocumentTexts.h"
#include "app/document/RecentFiles.h"
#include "app/document/Session.h"
#include "app/ui/AppInfo.h"
#include "app/ui/MessageBoxes.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace app::document {

namespace {

QString DialogChoice(QWidget *parent, bool forSaving, const QString &suggested)
{
    const QString filter = texts::FileFilter;
    if (!forSaving)
        return QFileDialog::getOpenFileName(parent, texts::OpenCaption, suggested, filter);
    return QFileDialog::getSaveFileName(parent, texts::SaveAsCaption, suggested, filter);
}

} // namespace

DocumentCommands::DocumentCommands(QWidget *window, Session &session, RecentFiles &recent)
    : QObject(window), window_(window), session_(session), recent_(recent),
      choose_([this](bool forSaving, const QString &suggested) {
          return DialogChoice(parent(), forSaving, suggested);
      })
{
}

QWidget *DocumentCommands::parent() const
{
    return boxParent_ ? boxParent_.data() : window_;
}

bool DocumentCommands::mayPutAway()
{
    if (!session_.isModified())
        return true;
    QMessageBox box(QMessageBox::Question, ui::ApplicationTitle,
                    texts::AskSave.arg(session_.displayName()),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent());
    box.setObjectName(QStringLiteral("UnsavedChanges"));
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save:
        return save();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

bool DocumentCommands::newDocument()
{
    if (!mayPutAway())
        return false;
    session_.startNew(session_.lastTitle());
    return true;
}

bool DocumentCommands::open()
{
    const QString start =
        session_.path().isEmpty() ? QDir::homePath() : QFileInfo(session_.path()).path();
    const QString path = choose_(false, start);
    return !path.isEmpty() && openPath(path);
}

bool DocumentCommands::openPath(const QString &path)
{
    // The file first: one that cannot be opened asks nothing about the
    // document open now.
    OpenedFile opened = ReadDocumentFile(path, session_.units());
    if (!opened.document) {
        ui::ShowError(parent(),
                      texts::CannotOpen.arg(QDir::toNativeSeparators(path), opened.problem));
        return false;
    }
    if (!mayPutAway())
        return false;
    session_.setLastTitle(opened.document->title);
    session_.replace({std::move(*opened.document), QFileInfo(path).absoluteFilePath(), false});
    recent_.use(session_.path());
    emit recentChanged();
    return true;
}

bool DocumentCommands::openRecent(const QString &path)
{
    if (!QFileInfo::exists(path)) {
        recent_.remove(path);
        emit recentChanged();
        ui::ShowWarning(parent(), texts::RecentMissing.arg(QDir::toNativeSeparators(path)));
        return false;
    }
    return openPath(path);
}

bool DocumentCommands::save()
{
    if (session_.path().isEmpty())
        return saveAs();
    return saveTo(session_.path());
}

bool DocumentCommands::saveAs()
{
    const QString suggested =
        session_.path().isEmpty()
            ? QDir::home().filePath(texts::Untitled + QLatin1Char('.') + texts::Suffix)
            : session_.path();
    QString path = choose_(true, suggested);
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + texts::Suffix;
    return saveTo(path);
}

bool DocumentCommands::saveTo(const QString &path)
{
    if (const QString problem = session_.saveTo(path); !problem.isEmpty()) {
        ui::ShowError(parent(), texts::CannotSave.arg(QDir::toNativeSeparators(path), problem));
        return false;
    }
    recent_.use(session_.path());
    emit recentChanged();
    return true;
}

} // namespace app::document
