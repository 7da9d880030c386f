#include "model/ZnModelAppProxy.h"
#include "model/ZnModelAppSafeNotif.h"
#include "model/ZnModelAppTempUseConf.h"
#include "tests/model/DocumentTestSupport.h"

using modeltest::ExpectStoredAndLoaded;

// The temporary-use confirmation stores its parts before the form digit and texts; the safety
// notice its parts, then texts, numbers, areas and remarks; the proxy its date, address, kind,
// text and values.
TEST(NotificationDocuments, StoreTheirFixturesAndLoadThemBack)
{
    ZnModelAppTempUseConf app;
    app.m_formDigit = 3;
    app.m_confirmation.SetNumber("H01-1");
    app.m_confirmation.m_date.SetDateString("02010108");
    app.m_confirmation.SetFurtherText("F");
    app.m_siteAddress1.m_address = "S1";
    app.m_siteAddress2.m_address = "S2";
    app.m_objectName.m_name = "Obj";
    app.m_objectName.m_nameReading = "R";
    app.m_useText = "U";
    app.m_useFrom.SetDateString("02320301");
    app.m_reason = "Why";
    ZnModelAppTempUseConf read;
    read.m_remarks = "before";
    ExpectStoredAndLoaded(app, read, "temp_use_conf.hex");

    ZnModelAppSafeNotif notif;
    notif.m_buildingAddress.m_address = "B";
    notif.m_buildingName.m_name = "ビル";
    notif.m_mainStructure.SetCode("1");
    notif.m_plannedStart.SetDateString("02320101");
    notif.m_confirmation.SetNumber("C1");
    notif.m_confirmation.m_date.SetDateString("02010108");
    notif.m_tempUseApproval.SetNumber("A1");
    notif.m_text1 = "a";
    notif.m_text3 = "c";
    notif.m_number1 = 2;
    notif.m_number2 = -1;
    notif.m_area1 = 12.5;
    notif.m_area3 = 100.25;
    notif.m_remarks = "R";
    ZnModelAppSafeNotif notifRead;
    ExpectStoredAndLoaded(notif, notifRead, "safe_notif.hex");

    ZnModelAppProxy proxy;
    proxy.m_date.SetDateString("02020401");
    proxy.m_address.m_postalCode1 = "100";
    proxy.m_address.m_address = "Adr";
    proxy.m_text1 = "委任";
    proxy.m_constKind.SetCode("01601");
    for (int i = 0; i < 13; ++i)
        proxy.m_values[i] = i + 1;
    proxy.m_text2 = "T2";
    ZnModelAppProxy proxyRead;
    ExpectStoredAndLoaded(proxy, proxyRead, "proxy.hex");
}
