#include "app/document/Session.h"

#include "app/document/DocumentFiles.h"
#include "app/document/DocumentTexts.h"

#include "document/DocumentFile.h"

#include <QFileInfo>

namespace app::document {

namespace {

// A change is in the copy at most this long after it was made; a burst of
// changes (a point dragged) makes one copy.
constexpr int CopyDelayMs = 1000;

} // namespace

Session::Session(QObject *parent) : QObject(parent)
{
    timer_.setSingleShot(true);
    timer_.setInterval(CopyDelayMs);
    connect(&timer_, &QTimer::timeout, this, &Session::copyNow);
    connect(&writer_, &RecoveryWriter::written, this, &Session::recoveryWritten);
    work_.document = ::document::NewDocument({}, texts::DefaultChartName.toStdString());
    lastAnnounced_ = markedName();
}

Session::~Session() = default;

void Session::changed()
{
    work_.modified = true;
    announceName();
    scheduleCopy();
}

QString Session::displayName() const
{
    return work_.path.isEmpty() ? texts::Untitled : QFileInfo(work_.path).fileName();
}

QString Session::markedName() const
{
    return displayName() + (work_.modified ? texts::ModifiedMark : QString());
}

QString Session::windowTitle(const QString &caption) const
{
    return caption + texts::NameSeparator + markedName();
}

void Session::setAtmosphereSource(std::function<::document::Atmosphere()> source)
{
    atmosphere_ = std::move(source);
}

::document::Chart Session::newChart(const std::string &name) const
{
    ::document::Chart chart;
    chart.name = name;
    if (atmosphere_)
        chart.atmosphere = atmosphere_();
    return chart;
}

void Session::startNew(const ::document::TitleBlock &title)
{
    Work work;
    work.document.title = title;
    work.document.title.kept.clear();
    work.document.charts.push_back(newChart(texts::DefaultChartName.toStdString()));
    replace(std::move(work));
}

void Session::replace(Work work)
{
    work_ = std::move(work);
    emit replaced();
    announceName();
    scheduleCopy();
}

void Session::convertUnits(::losssheet::UnitSystem units)
{
    if (units == units_)
        return;
    if (!work_.document.systems.empty()) {
        // The file's reading converts a target saved in the other system.
        const ::document::WriteResult written = ::document::Write(work_.document, units_);
        if (!written.problem) {
            ::document::ReadResult read = ::document::Read(written.bytes, units);
            if (read.document)
                work_.document.systems = std::move(read.document->systems);
        }
    }
    units_ = units;
}

QString Session::saveTo(const QString &path)
{
    if (const files::SaveResult saved = SaveDocumentFile(path, work_.document, units_); !saved)
        return saved.reason;
    work_.path = QFileInfo(path).absoluteFilePath();
    work_.modified = false;
    lastTitle_ = work_.document.title;
    announceName();
    scheduleCopy();
    return {};
}

void Session::setRecoveryFile(const QString &file)
{
    writer_.setFile(file);
}

void Session::keepNow()
{
    timer_.stop();
    writer_.writeNow(work_, units_);
}

void Session::scheduleCopy()
{
    // Not restarted by each change: a steady stream of edits is still
    // copied every second.
    if (!timer_.isActive() && !writer_.file().isEmpty())
        timer_.start();
}

void Session::copyNow()
{
    writer_.write(work_, units_);
}

void Session::announceName()
{
    const QString name = markedName();
    if (name == lastAnnounced_)
        return;
    lastAnnounced_ = name;
    emit displayNameChanged(name);
}

} // namespace app::document
