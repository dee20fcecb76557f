// The specific gravity of a material, read from the material database on every call.
#include "settings/material_gravity.h"

#include "settings/record_set_values.h"
#include "settings/sys_dir.h"

namespace {

CString materialConnect(const CString& sysDir)
{
    return CString("ODBC;DBQ=") + sysDir + "\\QXPRO\\system.mdb" + ";" +
           "Driver={Microsoft Access Driver (*.mdb)};FIL=MS Access;MaxBufferSize=2048;MaxScanRows=8;PageTimeout=5;SafeTransactions=0";
}

}  // namespace

double TrevanCom_GetMaterialGravity(const CString& material)
{
    CString sysDir;
    if (!TrevanComARX_GetSysDirFunc(sysDir)) return TREVAN_DEFAULT_GRAVITY;
    double gravity = TREVAN_DEFAULT_GRAVITY;
    CDatabase db;
    TRY
    {
        db.OpenEx(materialConnect(sysDir), CDatabase::noOdbcDialog);
        if (!db.IsOpen()) {
            zcutPrintf("\nデータベースのオープンに失敗しました.");
            return TREVAN_DEFAULT_GRAVITY;
        }
        CString sql;
        sql.Format("select * from MATERIAL where MATERIAL='%s' order by MATERIAL", static_cast<LPCTSTR>(material));
        CRecordset rs(&db);
        rs.Open(CRecordset::snapshot, sql, CRecordset::readOnly);
        while (!rs.IsEOF()) {
            CString name;
            TrevanComARX_DataGetValue(rs, "MATERIAL", name, false, true);
            TrevanComARX_DataGetValue(rs, "GRAVITY", gravity, false);
            rs.MoveNext();
        }
        rs.Close();
        db.Close();
    }
    CATCH(CDBException, e)
    {
        zcutPrintf("\nデータベースのオープンに失敗しました.");
        e->Delete();
        db.Close();
    }
    END_CATCH
    return gravity;
}
