// The recordsets over the tables of APP_USER_REGIST.mdb that can be narrowed to the rows of one
// key value. The default SQL is the class's select text followed either by its where text and
// the quoted key value, or, while no key is set, by its order text.
#pragma once

#include "storage/ZnAppTblDAO.h"

class ZnAppKeyedTblDAO : public ZnAppTblDAO {
    DECLARE_DYNAMIC(ZnAppKeyedTblDAO)
public:
    using ZnAppTblDAO::SetDBPath;

    // Stores the key value with every single quote doubled (double-byte characters whole); an
    // empty value selects the whole table in the class's order again.
    void SetKeyFilter(const CString& key);

    CString GetDefaultSQL() override;

protected:
    // The three texts are joined without anything between them; they must outlive the object.
    ZnAppKeyedTblDAO(CDaoDatabase* database, int fieldCount, LPCTSTR selectText, LPCTSTR whereText, LPCTSTR orderText);

    CString m_strKey;

private:
    LPCTSTR m_selectText;
    LPCTSTR m_whereText;
    LPCTSTR m_orderText;
};
