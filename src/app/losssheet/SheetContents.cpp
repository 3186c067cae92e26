#include "app/losssheet/SheetContents.h"

#include "app/losssheet/ConditionsPanel.h"
#include "app/losssheet/FittingTexts.h"
#include "app/losssheet/Utf8.h"
#include "flow/DuctMaterials.h"
#include "losssheet/SheetTexts.h"
#include "numeric/NumberText.h"
#include "pipe/PipeTables.h"

namespace app::losssheet {

using ::losssheet::DuctShape;
using ::losssheet::SizingBasis;
using ::losssheet::System;
using ::losssheet::SystemKind;
using ::losssheet::SystemResult;
using ::losssheet::UnitSystem;

QString ListItem(std::span<const std::string_view> items, int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= items.size())
        return {};
    return Utf8(items[static_cast<std::size_t>(index)]).trimmed();
}

QString ShapeText(const ::losssheet::DuctConditions &c)
{
    switch (c.shape) {
    case DuctShape::Round:
        return QStringLiteral("円形");
    case DuctShape::Square:
        return QStringLiteral("長方形（正方形）");
    case DuctShape::FixedSide:
        return QStringLiteral("長方形（一辺 %1 mm 固定）").arg(ConditionText(c.fixedSide));
    case DuctShape::AspectRatio:
        return QStringLiteral("長方形（縦横比 %1：1）").arg(ConditionText(c.aspectRatio));
    }
    return {};
}

QString ConditionsText(const System &s, UnitSystem units)
{
    const bool duct = s.kind == SystemKind::Duct;
    const auto &sizing = duct ? s.duct.sizing : s.pipe.sizing;
    const bool loss = sizing.basis == SizingBasis::Loss;
    QStringList parts;
    if (duct) {
        parts << QStringLiteral("ダクトの材質：") +
                     ListItem(flow::DuctMaterialItems(), s.duct.material)
              << QStringLiteral("絶対粗度 %1 mm").arg(ConditionText(s.duct.roughness))
              << QStringLiteral("空気の密度 %1 kg/m3").arg(ConditionText(s.duct.density));
    } else {
        parts << QStringLiteral("管材：") + ListItem(pipes::PipeMaterialItems(), s.pipe.material)
              << QStringLiteral("水温 %1 ℃")
                     .arg(ListItem(pipes::WaterTemperatureItems(), s.pipe.temperature))
              << QStringLiteral("絶対粗度 %1 mm").arg(ConditionText(s.pipe.roughness))
              << QStringLiteral("水の密度 %1 kg/m3").arg(ConditionText(s.pipe.density));
    }
    QString rule = loss ? QStringLiteral("寸法の決め方：圧損基準")
                        : (duct ? QStringLiteral("寸法の決め方：風速基準")
                                : QStringLiteral("寸法の決め方：流速基準"));
    if (sizing.target)
        rule += QStringLiteral("（目標 %1 %2）")
                    .arg(ConditionText(*sizing.target),
                         loss ? Utf8(::losssheet::LossPerMetreScale(units).unit)
                              : QStringLiteral("m/s"));
    parts << rule;
    if (duct) {
        parts << QStringLiteral("求める寸法：") + ShapeText(s.duct);
    } else {
        parts << QStringLiteral("実揚程 %1 m").arg(ConditionText(s.pipe.staticHead))
              << QStringLiteral("末端必要圧 %1 kPa").arg(ConditionText(s.pipe.terminalPressure));
    }
    parts << QStringLiteral("余裕率 %1 %").arg(Utf8(numeric::FormatGeneral15(s.marginPercent)));
    return parts.join(QStringLiteral("　"));
}

QString SheetHeading(SystemKind kind)
{
    return kind == SystemKind::Duct ? QStringLiteral("送風機静圧計算書")
                                    : QStringLiteral("ポンプ揚程計算書");
}

namespace {

// The problem and warnings of a result, one text.
QString Reasons(const std::string &problem, const std::vector<std::string> &warnings)
{
    QStringList reasons;
    if (!problem.empty())
        reasons << Utf8(problem);
    for (const std::string &w : warnings)
        reasons << Utf8(w);
    return reasons.join(QLatin1Char(' '));
}

} // namespace

FittingBreakdown FittingsOf(const System &s, const SystemResult &result, UnitSystem units)
{
    const bool pipe = s.kind == SystemKind::Pipe;
    FittingBreakdown b;
    b.header =
        QStringList{QStringLiteral("区間"),       QStringLiteral("種類"),
                    QStringLiteral("計算方法"),   QStringLiteral("入力値"),
                    QStringLiteral("個数"),       pipe ? QStringLiteral("K") : QStringLiteral("ζ"),
                    QStringLiteral("基準の速度"), QStringLiteral("ζ×個数\n区間の速度")};
    b.numeric = {false, false, false, false, true, true, false, true};
    if (pipe) {
        b.header << QStringLiteral("相当管長\nm");
        b.numeric.push_back(true);
    }
    b.header << QStringLiteral("損失\n") + Utf8(::losssheet::PressureScale(s.kind, units).unit)
             << QStringLiteral("備考") << QStringLiteral("出典");
    b.numeric.insert(b.numeric.end(), {true, false, false});

    for (std::size_t i = 0; i < s.sections.size(); ++i) {
        const auto &section = s.sections[i];
        for (std::size_t k = 0; k < section.fittings.size(); ++k) {
            const auto &f = section.fittings[k];
            const ::losssheet::FittingResult *r =
                i < result.sections.size() && k < result.sections[i].fittings.size()
                    ? &result.sections[i].fittings[k]
                    : nullptr;
            const auto texts =
                r ? ::losssheet::TextsOf(*r, s.kind, units) : ::losssheet::FittingTexts{};
            const fittings::Method *method = MethodOf(f, s.kind);
            QString source;
            if (method) {
                const QString text = Utf8(method->source);
                qsizetype n = b.sources.indexOf(text);
                if (n < 0) {
                    b.sources << text;
                    n = b.sources.size() - 1;
                }
                source = QStringLiteral("[%1]").arg(n + 1);
            }
            QString note = Utf8(f.note);
            if (r && (!r->problem.empty() || !r->warnings.empty()))
                note += (note.isEmpty() ? QString() : QStringLiteral("　")) + QStringLiteral("※") +
                        Reasons(r->problem, r->warnings);
            QStringList row{Utf8(section.name),
                            KindText(f),
                            method ? Utf8(method->name) : Utf8(f.method),
                            ParametersText(f, r, s.kind, units),
                            Utf8(numeric::FormatGeneral15(f.count)),
                            Utf8(texts.zeta),
                            Utf8(texts.reference),
                            Utf8(texts.sectionZeta)};
            if (pipe)
                row << Utf8(texts.equivalentLength);
            row << Utf8(texts.loss) << note << source;
            b.rows << row;
            b.onCriticalPath.push_back(i < result.sections.size() &&
                                       result.sections[i].onCriticalPath);
        }
    }
    return b;
}

QStringList SectionProblems(const System &s, const SystemResult &result)
{
    QStringList problems;
    for (std::size_t i = 0; i < result.sections.size() && i < s.sections.size(); ++i) {
        const auto &r = result.sections[i];
        if (const QString reasons = Reasons(r.problem, r.warnings); !reasons.isEmpty())
            problems << QStringLiteral("区間 %1：%2").arg(Utf8(s.sections[i].name), reasons);
    }
    return problems;
}

} // namespace app::losssheet
