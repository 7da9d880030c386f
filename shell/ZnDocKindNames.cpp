#include "shell/ZnDocKindNames.h"

namespace {

// One code, or a run of consecutive codes with the same names. A null name is the empty one.
struct DocKindRow {
    int firstCode;
    int lastCode;
    LPCTSTR applicationName;
    LPCTSTR notificationName;
};

const DocKindRow docKindRows[] = {
    {100001, 100001, "確認申請書（建築物）", "計画通知書（建築物）"},
    {100002, 100002, "確認申請書（昇降機）", "計画通知書（昇降機）"},
    {100003, 100003, "確認申請書（昇降機以外の建築設備）", "計画通知書（昇降機以外の建築設備）"},
    {100004, 100004, "確認申請書（工作物（法88条1項））", "計画通知書（工作物（法88条1項））"},
    {100005, 100005, "確認申請書（工作物の昇降機）", "計画通知書（工作物の昇降機）"},
    {100006, 100006, "確認申請書（工作物（法88条2項））", "計画通知書（工作物（法88条2項））"},
    {100101, 100101, "中間検査申請書（建築物）", "特定工程工事終了通知書（建築物）"},
    {100102, 100102, "中間検査申請書（昇降機）", "特定工程工事終了通知書（昇降機）"},
    {100103, 100103, "中間検査申請書（昇降機以外の建築設備）", "特定工程工事終了通知書（昇降機以外の建築設備）"},
    {100104, 100104, "中間検査申請書（工作物（法88条1項））", "特定工程工事終了通知書（工作物（法88条1項））"},
    {100105, 100105, "中間検査申請書（工作物の昇降機）", "特定工程工事終了通知書（工作物の昇降機）"},
    {100106, 100106, "中間検査申請書（工作物（法88条2項））", "特定工程工事終了通知書（工作物（法88条2項））"},
    {100201, 100201, "完了検査申請書（建築物）", "工事完了通知書（建築物）"},
    {100202, 100202, "完了検査申請書（昇降機）", "工事完了通知書（昇降機）"},
    {100203, 100203, "完了検査申請書（昇降機以外の建築設備）", "工事完了通知書（昇降機以外の建築設備）"},
    {100204, 100204, "完了検査申請書（工作物（法88条1項））", "工事完了通知書（工作物（法88条1項））"},
    {100205, 100205, "完了検査申請書（工作物の昇降機）", "工事完了通知書（工作物の昇降機）"},
    {100206, 100206, "完了検査申請書（工作物（法88条2項））", "工事完了通知書（工作物（法88条2項））"},
    {100301, 100301, "計画変更確認申請書（建築物）", "計画変更通知書（建築物）"},
    {100302, 100302, "計画変更確認申請書（昇降機）", "計画変更通知書（昇降機）"},
    {100303, 100303, "計画変更確認申請書（昇降機以外の建築設備）", "計画変更通知書（昇降機以外の建築設備）"},
    {100304, 100304, "計画変更確認申請書（工作物（法88条1項））", "計画変更通知書（工作物（法88条1項））"},
    {100305, 100305, "計画変更確認申請書（工作物の昇降機）", "計画変更通知書（工作物の昇降機）"},
    {100306, 100306, "計画変更確認申請書（工作物（法88条2項））", "計画変更通知書（工作物（法88条2項））"},
    {100401, 100406, "仮使用承認申請書（特定行政庁）", "仮使用承認申請書（特定行政庁）"},
    {100411, 100416, "仮使用承認申請書（建築主事）", "仮使用承認申請書（建築主事）"},
    {100501, 100501, "工事完了届（建築物）", "工事完了通知書(第42号の14様式)（建築物）"},
    {100801, 100801, "建築工事届", "建築工事届"},
    {100802, 100802, "建築物除却届", "建築物除却届"},
    {100803, 100803, "安全上の措置等に関する計画届", nullptr},
    {300001, 300001, "委任状", nullptr},
};

// The Article 88 markers that variant 22 cuts at, in the order they are tried.
const LPCTSTR article88Markers[] = {"（法88条1項）", "（法88条2項）"};

const DocKindRow* FindRow(int code)
{
    for (const DocKindRow& row : docKindRows) {
        if (code >= row.firstCode && code <= row.lastCode)
            return &row;
    }
    return nullptr;
}

// The name cut before its Article 88 marker and closed with "）"; unchanged without a marker.
CString WithoutArticle88(const CString& name)
{
    for (LPCTSTR marker : article88Markers) {
        int at = name.Find(marker);
        if (at >= 0)
            return name.Left(at) + "）";
    }
    return name;
}

} // namespace

CString ZnDocKindNames::DocKindName(int code, int mode, int variant)
{
    const DocKindRow* row = FindRow(code);
    if (!row)
        return CString();
    CString name(mode == applicationMode ? row->applicationName : row->notificationName);
    return variant == shortStructureVariant ? WithoutArticle88(name) : name;
}

CString ZnDocKindNames::MakeFormFileName(int formNo, int docMode)
{
    CString name;
    name.Format("%s%s%3d", docMode == applicationMode ? "Ka" : "Ke", "001.", formNo);
    return name;
}

namespace {

// The two eras that forms name, as code, name and era number.
struct FormEra {
    const char* code;
    const char* name;
    int number;
};
const FormEra showa = {"01", "昭和", 3};
const FormEra heisei = {"02", "平成", 4};

CString Answer(const FormEra& era, const char* FormEra::*field, int* number)
{
    if (number)
        *number = era.number;
    return CString(era.*field);
}

} // namespace

CString ZnDocKindNames::EraNameToCode(const CString& name, int* era)
{
    return Answer(name == showa.name ? showa : heisei, &FormEra::code, era);
}

CString ZnDocKindNames::EraCodeToName(const CString& code, int* era)
{
    return Answer(code == showa.code ? showa : heisei, &FormEra::name, era);
}
