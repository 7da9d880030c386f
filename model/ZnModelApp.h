// The application root that every application form and notification derives from: header,
// application date, submission destination (申請先), applicant name (申請者氏名), the building
// owners (建築主: the first owner, then the further owners) and the agent (代理者).
#pragma once

#include "model/ZnModelAppHeader.h"
#include "model/ZnModelDesigner.h"
#include "model/ZnModelOwner.h"

class ZnModelApp : public ZnModel {
    DECLARE_ZN_MODEL(ZnModelApp)
public:
    void SetHeader(const ZnModelAppHeader& header) { m_header = header; }
    void SetApplicantName(const JkModelName& name) { m_applicantName = name; }
    void SetOwner(const ZnModelOwner& owner) { m_firstOwner = owner; }
    void SetAgent(const ZnModelDesigner& agent) { m_agent = agent; }
    // Replaces the further owners by copies of the given list's owners; the first owner stays.
    void SetOwnerList(const ZnModelOwnerList& owners) { m_furtherOwners = owners; }

    const ZnModelAppHeader& GetHeader() const { return m_header; }
    const CString& GetApplyTo() const { return m_submissionDestination; }
    const JkModelName& GetApplicantName() const { return m_applicantName; }
    const ZnModelOwner& GetOwner() const { return m_firstOwner; }
    const ZnModelOwnerList& GetOwnerList() const { return m_furtherOwners; }
    const ZnModelDesigner& GetDesigner() const { return m_agent; }

    // The parts first (header, date, applicant, first owner, agent), then the destination,
    // the additional number and text, and the further owners.
    void Serialize(CArchive& ar) override;

    ZnModelAppHeader m_header;
    ZnModelDate m_applicationDate; // the first face's 申請日 comes from the local data instead
    CString m_submissionDestination;
    JkModelName m_applicantName;
    ZnModelOwner m_firstOwner;
    ZnModelOwnerList m_furtherOwners;
    int m_additionalNumber = 0;
    CString m_additionalText;
    ZnModelDesigner m_agent;
};
