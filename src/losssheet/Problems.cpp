#include "losssheet/Problems.h"

#include "losssheet/CaptionTexts.h"

#include "numeric/Failure.h"
#include "numeric/Medium.h"

namespace losssheet::problem {

namespace {

std::string quoted(std::string_view text)
{
    return "「" + std::string(text) + "」";
}

constexpr char Upstream[] = "上流の区間";
constexpr char IsMissing[] = "がありません。";

const char *flowWord(SystemKind kind)
{
    return numeric::FlowName(kind == SystemKind::Duct ? numeric::Medium::Air
                                                      : numeric::Medium::Water);
}

} // namespace

std::string DuplicateName(std::string_view name)
{
    return "区間名" + quoted(name) + "が重複しています（上流としては最初の区間を指します）。";
}

std::string UnknownUpstream(std::string_view name)
{
    return Upstream + quoted(name) + IsMissing;
}

std::string Loop()
{
    return "上流をたどるとこの区間に戻ります（循環しています）。";
}

std::string SecondStart(SystemKind kind)
{
    return std::string(kind == SystemKind::Duct ? "送風機" : "ポンプ") +
           "から始まる区間は一つだけです（上流を入力してください）。";
}

std::string CutOff(std::string_view upstreamName)
{
    return Upstream + quoted(upstreamName) + "が求まらないため、累計を計算できません。";
}

std::string NoFlow(SystemKind kind)
{
    return std::string(flowWord(kind)) + "がありません（入力するか、下流の区間を設けてください）。";
}

std::string FlowNotPositive(SystemKind kind)
{
    return std::string(flowWord(kind)) + "は正の数にしてください。";
}

std::string FlowOfBranchesUnknown(SystemKind kind)
{
    return std::string("下流の区間の") + flowWord(kind) + "が求まらないため、この区間の" +
           flowWord(kind) + "が決まりません。";
}

std::string UnreadableDuctSize(std::string_view typed)
{
    return texts::DuctSize + quoted(typed) + "を読めません（例：500×300、φ300）。";
}

std::string UnknownNominalSize(std::string_view typed)
{
    return texts::NominalSize + quoted(typed) + "は配管サイズの表にありません。";
}

std::string NoSizingTarget()
{
    return "寸法を決める目標値（圧損または速度）がありません。";
}

std::string NoFixedSide()
{
    return "固定する一辺の寸法を正の数にしてください。";
}

std::string BadAspectRatio()
{
    return "縦横比（長辺÷短辺）は 1 以上にしてください。";
}

std::string NoSizeFits()
{
    return "目標を満たす呼び径が配管サイズの表にありません。";
}

std::string SizeLimitPassed()
{
    return "寸法が探索の上限（相当径 10000 mm）を超えました。最後に試した寸法を示しています。";
}

std::string NegativeLength()
{
    return "直管長は 0 以上にしてください。";
}

std::string CannotCompute(std::string_view failure)
{
    return "計算できません（" + std::string(failure) + "）。";
}

std::string Overflow()
{
    return CannotCompute(
        numeric::FloatingPointFault::messageFor(numeric::FloatingPointFault::Kind::Overflow));
}

std::string OfFitting(std::size_t index, std::string_view kind, std::string_view text)
{
    return "継手" + std::to_string(index + 1) + quoted(kind) + "：" + std::string(text);
}

std::string UnknownKind(std::string_view id)
{
    return "継手の種類" + quoted(id) + IsMissing;
}

std::string UnknownMethod(std::string_view id)
{
    return texts::Method + quoted(id) + IsMissing;
}

std::string KindNotForSystem()
{
    return "この系統では使えない種類です。";
}

std::string MissingValue(std::string_view parameter)
{
    return quoted(parameter) + "を入力してください。";
}

std::string NoUpstreamSection()
{
    return "上流の区間（主管）がないため、分岐・合流の係数をこの区間の速度に換算できません。";
}

std::string UpstreamNotComputed()
{
    return "上流の区間が求まらないため、この継手を計算できません。";
}

std::string NoSingleOtherBranch()
{
    return "分岐管が一つに決まらないため、分岐管面積比を入力してください。";
}

std::string BadCount()
{
    return "個数は 0 以上にしてください。";
}

std::string MainSectionChanges()
{
    return "直通側の断面が上流の主管と異なります（式は主管の断面が一定の分岐・合流のものです）。";
}

std::string NoTerminal()
{
    return "累計まで計算できた末端の区間がありません。";
}

std::string BadMargin()
{
    return "余裕率は 0 以上の数にしてください。";
}

} // namespace losssheet::problem
