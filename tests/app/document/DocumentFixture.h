#pragma once

#include "app/chart/ChartForm.h"
#include "app/document/DocumentCommands.h"
#include "app/document/Session.h"
#include "support/FormFixture.h"

#include <QByteArray>
#include <QMessageBox>
#include <QString>

#include <functional>

// The main window with its work document: files in the test's folder, the
// file dialogs replaced by the paths a test names.
class DocumentTest : public FormTest
{
protected:
    void SetUp() override;

    app::document::Session &session() const { return form_->session(); }
    app::document::DocumentCommands &commands() const { return form_->documentCommands(); }
    QString path(const QString &name) const { return dir_.filePath(name); }
    QString recoveryFile() const { return dir_.filePath(QStringLiteral("record/recovery.zefra")); }
    // The next file dialog answers `path` (empty: cancelled).
    void chooseFile(const QString &path);
    // Opens the chart window through the menu.
    app::chart::ChartForm *openChart();
    // On the moist-air page: 26 ℃ and `value` of the second property `item`,
    // computed, then taken into the chart shown.
    void addPagePoint(app::chart::ChartForm *chart, int item, const QString &value);
    // The next message box is answered with `button` (others stay recorded).
    void answerNextBox(QMessageBox::StandardButton button);
    QStringList answeredTexts() const { return answered_; }
    void clearAnswered() { answered_.clear(); }
    // Points and processes of every kind this test adds, in two charts.
    void buildTwoCharts(app::chart::ChartForm *chart);

    static QByteArray ReadAll(const QString &path);
    static void WriteAll(const QString &path, const QByteArray &bytes);

    void reopenForm();

private:
    QString chosen_;
    QStringList answered_;
};
