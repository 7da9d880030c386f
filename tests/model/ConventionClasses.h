// Small model classes that follow the archive conventions of the real records, for tests of
// the conventions themselves.
#pragma once

#include "model/ZnModel.h"
#include "model/ZnModelList.h"

class TCode : public ZnModel {
    DECLARE_SERIAL(TCode)
public:
    void Serialize(CArchive& ar) override;
    ZnModel* Clone() const override { return new TCode(*this); }
};

class TYear : public TCode {
    DECLARE_SERIAL(TYear)
public:
    void Serialize(CArchive& ar) override;
    ZnModel* Clone() const override { return new TYear(*this); }
    CString m_era = "02";
    LONG m_year = 0;
};

class TDate : public ZnModel {
    DECLARE_SERIAL(TDate)
public:
    void Serialize(CArchive& ar) override;
    ZnModel* Clone() const override { return new TDate(*this); }
    TYear m_yearCode;
    LONG m_month = 0;
    LONG m_day = 0;
};

class TPart : public ZnModel {
    DECLARE_SERIAL(TPart)
public:
    void Serialize(CArchive& ar) override;
    ZnModel* Clone() const override { return new TPart(*this); }
    CString m_text;
    LONG m_n = 0;
};

class THolder : public ZnModel {
    DECLARE_SERIAL(THolder)
public:
    void Serialize(CArchive& ar) override;
    ZnModel* Clone() const override { return new THolder(*this); }
    CString m_name;
    ZnModelList<TPart> m_parts;
};

// Schema 257: the field b came with it.
class TVersioned : public ZnModel {
    DECLARE_SERIAL(TVersioned)
public:
    void Serialize(CArchive& ar) override;
    ZnModel* Clone() const override { return new TVersioned(*this); }
    LONG m_a = 0;
    LONG m_b = 7;
};
