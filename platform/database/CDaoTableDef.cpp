#include "platform/database/CDaoTableDef.h"

#include "platform/core/Cp932.h"
#include "platform/database/CDaoDatabase.h"
#include "platform/database/DaoConnection.h"
#include "platform/database/JetDialect.h"

IMPLEMENT_DYNAMIC(CDaoTableDef, CObject)

namespace {

std::string Utf8(const CString& text) { return cp932::ToUtf8(text.Bytes()); }

CString FromUtf8(const std::string& text) { return CString(cp932::FromUtf8(text)); }

bool IsText(int daoType) { return daoType == dbText || daoType == dbMemo; }

} // namespace

CDaoTableDef::CDaoTableDef(CDaoDatabase* database) : m_pDatabase(database) {}

CDaoTableDef::~CDaoTableDef() = default;

void CDaoTableDef::Open(LPCTSTR name)
{
    Close();
    if (!m_pDatabase)
        ThrowDaoError(daoErrObjectInvalid);
    std::shared_ptr<DaoConnection> connection = m_pDatabase->Connection();
    std::string table = connection->TableName(cp932::ToUtf8(name ? name : ""));
    if (table.empty())
        ThrowDaoError(daoErrItemNotFound, name);
    m_connection = connection;
    m_table = table;
}

void CDaoTableDef::Close()
{
    m_connection.reset();
    m_table.clear();
}

CString CDaoTableDef::GetName() const { return FromUtf8(m_table); }

void CDaoTableDef::GetFieldInfo(LPCTSTR name, CDaoFieldInfo& info, DWORD infoOptions)
{
    std::vector<DaoColumn> columns = OpenConnection()->Columns(m_table);
    for (size_t position = 0; position < columns.size(); ++position) {
        const DaoColumn& column = columns[position];
        if (!JetDialect::SameName(column.name, cp932::ToUtf8(name ? name : "")))
            continue;
        int type = 0;
        LONG size = 0;
        JetDialect::ParseDeclaredType(column.declaredType, type, size);
        info = CDaoFieldInfo();
        info.m_strName = FromUtf8(column.name);
        info.m_nType = static_cast<short>(type);
        info.m_lSize = size;
        info.m_lAttributes = (IsText(type) ? dbVariableField : dbFixedField) | dbUpdatableField;
        if (infoOptions >= AFX_DAO_SECONDARY_INFO) {
            info.m_nOrdinalPosition = static_cast<short>(position);
            info.m_bRequired = column.notNull;
            info.m_bAllowZeroLength = IsText(type);
            info.m_strSourceField = info.m_strName;
            info.m_strSourceTable = GetName();
        }
        if (infoOptions >= AFX_DAO_ALL_INFO)
            info.m_strDefaultValue = FromUtf8(column.defaultValue);
        return;
    }
    ThrowDaoError(daoErrItemNotFound, name);
}

void CDaoTableDef::CreateField(CDaoFieldInfo& info)
{
    std::shared_ptr<DaoConnection> connection = OpenConnection();
    std::string name = Utf8(info.m_strName);
    if (name.empty())
        ThrowDaoError(daoErrInvalidArgument);
    for (const DaoColumn& column : connection->Columns(m_table))
        if (JetDialect::SameName(column.name, name))
            ThrowDaoError(daoErrFieldDefinedTwice, info.m_strName);
    std::string definition = JetDialect::ColumnDefinition(info.m_nType, info.m_lSize, info.m_bRequired != FALSE,
                                                          JetDialect::Translate(info.m_strDefaultValue));
    if (definition.empty())
        ThrowDaoError(daoErrInvalidFieldType, info.m_strName);
    connection->Change("ALTER TABLE " + JetDialect::Quote(m_table) + " ADD COLUMN " + JetDialect::Quote(name) + " " +
                       definition);
}

std::shared_ptr<DaoConnection> CDaoTableDef::OpenConnection() const
{
    if (!m_connection)
        ThrowDaoError(daoErrObjectInvalid);
    return m_connection;
}
