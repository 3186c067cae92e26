#include "app/document/RecoveryCopy.h"

#include "app/document/DocumentFiles.h"
#include "app/files/SaveFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace app::document {

namespace {

constexpr const char *RecoveryMember = "zefraRecovery";

namespace json = ::document::json;

} // namespace

RecoveryBytes RecoveryCopyBytes(const Work &work, ::losssheet::UnitSystem units)
{
    ::document::Document document = work.document;
    json::Value about = json::Value::Object({{"path", json::Value::String(work.path.toStdString())},
                                             {"modified", json::Value::Boolean(work.modified)}});
    document.kept.push_back({"systems", RecoveryMember, std::move(about)});
    const DocumentBytes file = DocumentFileBytes(document, units);
    return {file.bytes, file.problem};
}

RecoveryRead ReadRecoveryCopy(const QString &file, ::losssheet::UnitSystem units)
{
    RecoveryRead read;
    if (!QFileInfo::exists(file) && !QFileInfo(file).isSymLink())
        return read;
    read.found = true;
    OpenedFile opened = ReadDocumentFile(file, units);
    if (!opened.document) {
        read.problem = opened.problem;
        return read;
    }
    Work work;
    work.document = std::move(*opened.document);
    auto &kept = work.document.kept;
    const auto about = std::find_if(
        kept.begin(), kept.end(), [](const auto &member) { return member.name == RecoveryMember; });
    if (about == kept.end() || !about->value.isObject()) {
        read.problem = QStringLiteral("控えの情報がありません。");
        return read;
    }
    if (const json::Value *path = about->value.find("path"); path && path->isString())
        work.path = QString::fromStdString(path->text);
    if (const json::Value *modified = about->value.find("modified");
        modified && modified->kind == json::Value::Kind::Boolean)
        work.modified = modified->boolean;
    kept.erase(about);
    read.work = std::move(work);
    return read;
}

QString SetAside(const QString &file)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    QString target = file + QStringLiteral(".damaged-") + stamp;
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = file + QStringLiteral(".damaged-%1-%2").arg(stamp).arg(n);
    return QFile::rename(file, target) ? target : QString();
}

RecoveryWriter::RecoveryWriter(QObject *parent) : QObject(parent)
{
    pool_.setMaxThreadCount(1); // one write at a time, in order
}

RecoveryWriter::~RecoveryWriter()
{
    pool_.waitForDone();
}

void RecoveryWriter::write(Work work, ::losssheet::UnitSystem units)
{
    if (file_.isEmpty())
        return;
    const unsigned long long number = ++newest_;
    pool_.start([this, number, units, file = file_, work = std::move(work)] {
        if (number != newest_)
            return; // a newer copy is on its way
        const RecoveryBytes bytes = RecoveryCopyBytes(work, units);
        QString problem = bytes.problem;
        if (problem.isEmpty()) {
            QDir().mkpath(QFileInfo(file).path());
            if (const files::SaveResult saved = files::SaveBytes(file, bytes.bytes); !saved)
                problem = saved.reason;
        }
        QMetaObject::invokeMethod(
            this, [this, problem] { emit written(problem); }, Qt::QueuedConnection);
    });
}

bool RecoveryWriter::writeNow(const Work &work, ::losssheet::UnitSystem units)
{
    ++newest_; // anything still queued is older
    pool_.waitForDone();
    if (file_.isEmpty())
        return false;
    const RecoveryBytes bytes = RecoveryCopyBytes(work, units);
    if (!bytes.problem.isEmpty())
        return false;
    QDir().mkpath(QFileInfo(file_).path());
    return static_cast<bool>(files::SaveBytes(file_, bytes.bytes));
}

void RecoveryWriter::wait()
{
    pool_.waitForDone();
}

} // namespace app::document
