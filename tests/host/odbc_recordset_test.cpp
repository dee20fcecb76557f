// The module's Access database read through CDatabase and CRecordset. The driver name the
// module asks for is registered against the SQLite ODBC driver by the sample installation's
// odbcinst.ini, which serves the whole test process (support/odbc_drivers.cpp).
#include <gtest/gtest.h>

#include <cstdlib>

#include "odbc/access_connect.h"
#include "support/sqlite_driver.h"
#include "win_fixture.h"
#include "zrx.h"

namespace {

const char* const kConnect =
    "ODBC;DBQ=C:\\Trevan\\SYS\\QXPRO\\system.mdb;"
    "Driver={Microsoft Access Driver (*.mdb)};FIL=MS Access;MaxBufferSize=2048;MaxScanRows=8;PageTimeout=5;SafeTransactions=0";

class MaterialDatabase : public wintest::DriveTest {
protected:
    void SetUp() override
    {
        DriveTest::SetUp();
        if (sqliteDriver().empty()) GTEST_SKIP() << "the SQLite ODBC driver (libsqliteodbc) is not installed";
        // An empty file is an empty SQLite database; the Access driver name makes no file.
        put("Trevan/SYS/QXPRO/system.mdb", "");
        CDatabase db;
        ASSERT_TRUE(db.OpenEx(kConnect, CDatabase::noOdbcDialog));
        db.ExecuteSQL("CREATE TABLE MATERIAL (MATERIAL VARCHAR(20), KIND SMALLINT, CODE INTEGER, RATIO REAL, GRAVITY DOUBLE, NOTE VARCHAR(40))");
        db.ExecuteSQL("INSERT INTO MATERIAL VALUES ('SS400   ', 3, 400000, 0.5, 7.85, '一般構造用')");
        db.ExecuteSQL("INSERT INTO MATERIAL VALUES ('AH36', -2, 36, 0.25, 7.86, NULL)");
        db.Close();
    }
};

TEST_F(MaterialDatabase, EachColumnComesInItsOwnKind)
{
    CDatabase db;
    ASSERT_TRUE(db.OpenEx(kConnect, CDatabase::noOdbcDialog));
    ASSERT_TRUE(db.IsOpen());
    CRecordset rs(&db);
    ASSERT_TRUE(rs.Open(CRecordset::snapshot, "select * from MATERIAL where MATERIAL='SS400   ' order by MATERIAL", CRecordset::readOnly));
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_EQ(rs.GetODBCFieldCount(), 6);
    CDBVariant v;
    rs.GetFieldValue("MATERIAL", v);
    ASSERT_EQ(v.m_dwType, static_cast<DWORD>(DBVT_STRING));
    EXPECT_EQ(*v.m_pstring, "SS400   ");
    rs.GetFieldValue("kind", v);
    ASSERT_EQ(v.m_dwType, static_cast<DWORD>(DBVT_SHORT));
    EXPECT_EQ(v.m_iVal, 3);
    rs.GetFieldValue("CODE", v);
    ASSERT_EQ(v.m_dwType, static_cast<DWORD>(DBVT_LONG));
    EXPECT_EQ(v.m_lVal, 400000);
    // SQLite keeps no single-precision column: its REAL is reported as double, and the
    // single kind is had by asking for it, as from any driver.
    rs.GetFieldValue("RATIO", v);
    ASSERT_EQ(v.m_dwType, static_cast<DWORD>(DBVT_DOUBLE));
    rs.GetFieldValue("RATIO", v, SQL_C_FLOAT);
    ASSERT_EQ(v.m_dwType, static_cast<DWORD>(DBVT_SINGLE));
    EXPECT_FLOAT_EQ(v.m_fltVal, 0.5f);
    rs.GetFieldValue("KIND", v, SQL_C_SLONG);
    ASSERT_EQ(v.m_dwType, static_cast<DWORD>(DBVT_LONG));
    EXPECT_EQ(v.m_lVal, 3);
    rs.GetFieldValue("GRAVITY", v);
    ASSERT_EQ(v.m_dwType, static_cast<DWORD>(DBVT_DOUBLE));
    EXPECT_DOUBLE_EQ(v.m_dblVal, 7.85);
    rs.GetFieldValue("NOTE", v);
    ASSERT_EQ(v.m_dwType, static_cast<DWORD>(DBVT_STRING));
    EXPECT_EQ(*v.m_pstring, "一般構造用");
    rs.MoveNext();
    EXPECT_TRUE(rs.IsEOF());
    rs.Close();
    db.Close();
    EXPECT_FALSE(db.IsOpen());
}

TEST_F(MaterialDatabase, NullIsItsOwnKindAndRowsWalkBothWays)
{
    CDatabase db;
    ASSERT_TRUE(db.OpenEx(kConnect, CDatabase::noOdbcDialog));
    CRecordset rs(&db);
    rs.m_strSort = "GRAVITY DESC";
    ASSERT_TRUE(rs.Open(CRecordset::snapshot, "MATERIAL", CRecordset::readOnly));
    CDBVariant v;
    rs.GetFieldValue(static_cast<short>(0), v);
    EXPECT_EQ(*v.m_pstring, "AH36");
    rs.GetFieldValue("NOTE", v);
    EXPECT_EQ(v.m_dwType, static_cast<DWORD>(DBVT_NULL));
    rs.GetFieldValue("KIND", v);
    EXPECT_EQ(v.m_iVal, -2);
    CString text;
    rs.GetFieldValue("GRAVITY", text);
    EXPECT_EQ(text, "7.86");
    rs.MoveNext();
    EXPECT_FALSE(rs.IsEOF());
    rs.MoveNext();
    EXPECT_TRUE(rs.IsEOF());
    EXPECT_EQ(rs.GetRecordCount(), 2);
    rs.MovePrev();
    rs.MoveFirst();
    rs.GetFieldValue("MATERIAL", v);
    EXPECT_EQ(*v.m_pstring, "AH36");
}

TEST_F(MaterialDatabase, DatabaseErrorsReachTheCallerAsCDBException)
{
    CDatabase db;
    ASSERT_TRUE(db.OpenEx(kConnect, CDatabase::noOdbcDialog));
    CRecordset rs(&db);
    // A material name with a quote breaks the query, as it does for the module.
    bool caught = false;
    TRY {
        rs.Open(CRecordset::snapshot, "select * from MATERIAL where MATERIAL='O'Neil' order by MATERIAL", CRecordset::readOnly);
    }
    CATCH(CDBException, e)
    {
        caught = true;
        EXPECT_FALSE(e->m_strError.IsEmpty());
        EXPECT_EQ(e->m_strStateNativeOrigin.Left(6), "State:");
        e->Delete();
    }
    END_CATCH
    EXPECT_TRUE(caught);

    ASSERT_TRUE(rs.Open(CRecordset::snapshot, "select MATERIAL from MATERIAL where 1=0", CRecordset::readOnly));
    EXPECT_TRUE(rs.IsEOF());
    EXPECT_TRUE(rs.IsBOF());
    EXPECT_THROW(
        {
            try {
                rs.MoveNext();
            } catch (CDBException* e) {
                EXPECT_EQ(e->m_nRetCode, AFX_SQL_ERROR_NO_DATA_FOUND);
                e->Delete();
                throw 1;
            }
        },
        int);
    rs.Close();
    ASSERT_TRUE(rs.Open(CRecordset::snapshot, "select MATERIAL from MATERIAL", CRecordset::readOnly));
    CDBVariant v;
    EXPECT_THROW(
        {
            try {
                rs.GetFieldValue("GRAVITY", v);
            } catch (CDBException* e) {
                EXPECT_EQ(e->m_nRetCode, AFX_SQL_ERROR_FIELD_NOT_FOUND);
                e->Delete();
                throw 1;
            }
        },
        int);
}

TEST_F(MaterialDatabase, AnUnknownDriverFailsToOpen)
{
    CDatabase db;
    bool caught = false;
    try {
        db.OpenEx("ODBC;DBQ=C:\\x.mdb;Driver={No Such Driver}", CDatabase::noOdbcDialog);
    } catch (CDBException* e) {
        caught = true;
        e->Delete();
    }
    EXPECT_TRUE(caught);
    EXPECT_FALSE(db.IsOpen());
}

TEST_F(MaterialDatabase, AMissingAccessFileIsRefusedAndNotMade)
{
    std::filesystem::remove(root / "Trevan/SYS/QXPRO/system.mdb");
    CDatabase db;
    std::string error;
    try {
        db.OpenEx(kConnect, CDatabase::noOdbcDialog);
    } catch (CDBException* e) {
        error = e->m_strError.str();
        e->Delete();
    }
    EXPECT_EQ(error, "ファイル 'C:\\Trevan\\SYS\\QXPRO\\system.mdb' が見つかりません。");
    EXPECT_FALSE(db.IsOpen());
    EXPECT_FALSE(std::filesystem::exists(root / "Trevan/SYS/QXPRO/system.mdb"));
}

// What a file named as an Access database holds decides the driver that reads it.
class AccessDriverChoice : public wintest::DriveTest {
protected:
    std::string driverFor(const std::string& bytes, const char* driver = "{Microsoft Access Driver (*.mdb)}")
    {
        put("db/system.mdb", bytes);
        return zrxodbc::driverConnectString(std::string("ODBC;DBQ=C:\\DB\\SYSTEM.MDB;Driver=") + driver + ";FIL=MS Access");
    }
    static std::string jetPage(const char* engine)
    {
        std::string page(2048, '\0');
        page.replace(0, 4, std::string("\0\x01\0\0", 4));
        page.replace(4, 15, engine);
        return page;
    }
};

TEST_F(AccessDriverChoice, AJetOrAceFileGoesToMdbtoolsAndAnythingElseKeepsTheAccessName)
{
    const std::string file = (root / "db/system.mdb").string();
    EXPECT_EQ(driverFor(jetPage("Standard Jet DB")), "DBQ=" + file + ";Driver={MDBTools};FIL=MS Access;Database=" + file);
    EXPECT_EQ(driverFor(jetPage("Standard ACE DB")), "DBQ=" + file + ";Driver={MDBTools};FIL=MS Access;Database=" + file);
    const std::string access = "DBQ=" + file + ";Driver={Microsoft Access Driver (*.mdb)};FIL=MS Access;Database=" + file;
    EXPECT_EQ(driverFor(std::string("SQLite format 3\0", 16) + std::string(100, '\0')), access);
    EXPECT_EQ(driverFor(""), access);
    EXPECT_EQ(driverFor("Standard Jet DB"), access);
    // Another driver's connection is left as it was, whatever the file.
    EXPECT_EQ(driverFor(jetPage("Standard Jet DB"), "{SQLite3}"), "DBQ=" + file + ";Driver={SQLite3};FIL=MS Access;Database=" + file);
}

}  // namespace
