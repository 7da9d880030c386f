#include "fdoutput/ZnFDOutTextFormPages.h"

#include "fdoutput/ZnConstNotifInputCheck.h"
#include "fdoutput/ZnDemNotifInputCheck.h"
#include "fdoutput/ZnSafeNotifInputCheck.h"
#include "fdoutput/ZnTempUseInputCheck.h"
#include "model/ZnModelAppConstNotif.h"
#include "model/ZnModelAppDemNotif.h"
#include "model/ZnModelAppSafeNotif.h"
#include "model/ZnModelAppTempUseConf.h"
#include "writers/forms/ZnAppDocFDOut51.h"
#include "writers/forms/ZnAppDocFDOut53.h"
#include "writers/forms/ZnAppDocFDOut54.h"
#include "writers/forms/ZnAppDocFDOut55.h"

namespace {

// What differs between the pages.
struct TextFormPage {
    // The form's name: the page's form label and the check-result title.
    const char* title;
    int docKindCode;
    int formNo;
    ZnModel* (*makeForm)();
    std::vector<CString> (*check)(const ZnFDOutCheckInput& input);
    void (*output)(const ZnFDOutRequest& request);
};

ZnFDOutPageValues MakeValues(const TextFormPage& page)
{
    return {0,
            page.title,
            true,
            false,
            {{ZnFDOutPageValues::kAnyDocType,
              page.docKindCode,
              page.formNo,
              page.makeForm,
              nullptr,
              {{"更新日", 76}, {"受付番号", 170}, {"確認済証番号", 100}},
              2,
              -1,
              {},
              true,
              page.check,
              page.output}}};
}

std::vector<CString> CheckTempUseAgency(const ZnFDOutCheckInput& input)
{
    return ZnTempUseInputCheck::Run(input, ZnTempUseInputCheck::Agency);
}

std::vector<CString> CheckTempUseOfficial(const ZnFDOutCheckInput& input)
{
    return ZnTempUseInputCheck::Run(input, ZnTempUseInputCheck::BuildingOfficial);
}

void OutputTempUseAgency(const ZnFDOutRequest& request)
{
    ZnAppDocFDOut51().OutputFDTokuteiGyouseichou(request.root, request.submissionIndex);
}

void OutputTempUseOfficial(const ZnFDOutRequest& request)
{
    ZnAppDocFDOut51().OutputFDKenchikuShuji(request.root, request.submissionIndex);
}

template <class Writer> void OutputNotice(const ZnFDOutRequest& request)
{
    Writer().OutputFD(request.root, request.submissionIndex);
}

} // namespace

const ZnFDOutPageValues& ZnFDOutTextFormPages::Values(Page page)
{
    static const ZnFDOutPageValues values[] = {
        MakeValues({"仮使用承認申請書（特定行政庁）", 100401, 220, MakeEmptyModel<ZnModelAppTempUseConf>,
                    CheckTempUseAgency, OutputTempUseAgency}),
        MakeValues({"仮使用承認申請書（建築主事）", 100411, 230, MakeEmptyModel<ZnModelAppTempUseConf>,
                    CheckTempUseOfficial, OutputTempUseOfficial}),
        MakeValues({"建築工事届", 100801, 240, MakeEmptyModel<ZnModelAppConstNotif>, ZnConstNotifInputCheck::Run,
                    OutputNotice<ZnAppDocFDOut53>}),
        MakeValues({"建築物除却届", 100802, 250, MakeEmptyModel<ZnModelAppDemNotif>, ZnDemNotifInputCheck::Run,
                    OutputNotice<ZnAppDocFDOut54>}),
        MakeValues({"安全上の措置等に関する計画届", 100803, 260, MakeEmptyModel<ZnModelAppSafeNotif>,
                    ZnSafeNotifInputCheck::Run, OutputNotice<ZnAppDocFDOut55>}),
    };
    return values[page];
}
