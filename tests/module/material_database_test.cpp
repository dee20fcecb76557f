// The material database through unixODBC: the sample installation's system.mdb (an SQLite
// file behind the Access driver name, registered by the installation's odbcinst.ini), the
// specific gravity of a material with its failures, and the typed column readers.
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <optional>

#include "TrevanCom2002.h"
#include "install_fixture.h"
#include "support/editor_fixture.h"

namespace {

const char* const kOpenFailed = "\nデータベースのオープンに失敗しました.";
const char* const kConnect =
    "ODBC;DBQ=C:\\TREVAN\\SYSTEM\\QXPRO\\system.mdb;"
    "Driver={Microsoft Access Driver (*.mdb)};FIL=MS Access;MaxBufferSize=2048;MaxScanRows=8;PageTimeout=5;SafeTransactions=0";
const char* const kDatabaseFile = "TREVAN/SYSTEM/QXPRO/system.mdb";

// ODBCSYSINI for one test, put back afterwards.
class OdbcSysIni {
public:
    explicit OdbcSysIni(const std::filesystem::path& folder)
    {
        if (const char* v = std::getenv("ODBCSYSINI")) m_old = v;
        ::setenv("ODBCSYSINI", folder.c_str(), 1);
    }
    ~OdbcSysIni()
    {
        if (m_old) ::setenv("ODBCSYSINI", m_old->c_str(), 1);
        else ::unsetenv("ODBCSYSINI");
    }
    OdbcSysIni(const OdbcSysIni&) = delete;
    OdbcSysIni& operator=(const OdbcSysIni&) = delete;

private:
    std::optional<std::string> m_old;
};

class MaterialDatabase : public EditorTest {
protected:
    // The sample installation's own driver registration, as trevan uses it.
    std::filesystem::path odbcFolder() const { return install.drive().parent_path() / "odbc"; }
    void sql(std::initializer_list<const char*> statements)
    {
        CDatabase materials;
        ASSERT_TRUE(materials.OpenEx(kConnect, CDatabase::noOdbcDialog));
        for (const char* s : statements) materials.ExecuteSQL(s);
    }
    // A material database of the given MATERIAL table in place of the sample one.
    void replaceTable(const char* create)
    {
        install.put(kDatabaseFile, "");
        sql({create});
    }
    double gravity(const char* material) { return TrevanCom_GetMaterialGravity(CString(material)); }
    // The gravity, and what the call printed from a fresh line, so that its opening new line
    // shows.
    struct Answer {
        double gravity;
        std::string said;
    };
    Answer ask(const char* material)
    {
        transcript();
        zcutPrintf(">");
        double g = gravity(material);
        return {g, transcript().substr(1)};
    }
    // unixODBC keeps what it read of odbcinst.ini for 20 seconds, for the whole process: a
    // test that changes the drivers asks in a process of its own (the test run again up to
    // here), which ends with 0 when the answer is the default with the opening message.
    void expectDefaultAndMessageInFreshProcess(const char* material)
    {
        GTEST_FLAG_SET(death_test_style, "threadsafe");
        EXPECT_EXIT(
            {
                Answer a = ask(material);
                std::fprintf(stderr, "gravity %g, said \"%s\"\n", a.gravity, a.said.c_str());
                std::error_code ec;
                std::filesystem::remove_all(install.drive().parent_path(), ec);
                std::_Exit(a.gravity == 7.85 && a.said == kOpenFailed ? 0 : 1);
            },
            ::testing::ExitedWithCode(0), "");
    }

    SampleInstall install;
    OdbcSysIni sysIni{odbcFolder()};
};

TEST_F(MaterialDatabase, TheSampleInstallationAnswersTheGravitiesOfHullMaterials)
{
    EXPECT_DOUBLE_EQ(gravity("AH36"), 7.85);
    EXPECT_DOUBLE_EQ(gravity("KA32"), 7.85);
    EXPECT_DOUBLE_EQ(gravity("SUS304"), 7.93);
    EXPECT_DOUBLE_EQ(gravity("SUS316L"), 7.98);
    EXPECT_DOUBLE_EQ(gravity("A5083"), 2.66);
    EXPECT_DOUBLE_EQ(gravity("A6061"), 2.70);
    EXPECT_EQ(transcript(), "");
}

TEST_F(MaterialDatabase, AnUnknownMaterialWeighsAsMildSteelWithoutAWord)
{
    EXPECT_DOUBLE_EQ(gravity("A7075"), 7.85);
    EXPECT_DOUBLE_EQ(gravity(""), 7.85);
    EXPECT_EQ(transcript(), "");
}

TEST_F(MaterialDatabase, AMaterialListedTwiceTakesItsLastRow)
{
    sql({"INSERT INTO MATERIAL VALUES ('SUS304', 8.03, 'second row')"});
    EXPECT_DOUBLE_EQ(gravity("SUS304"), 8.03);
}

TEST_F(MaterialDatabase, WholeNumberAndSingleGravitiesAreTakenAsTheirNumber)
{
    // Access's SHORT, LONG and SINGLE column types, declared in the SQLite file.
    replaceTable("CREATE TABLE MATERIAL (MATERIAL VARCHAR(20), GRAVITY SHORT)");
    sql({"INSERT INTO MATERIAL VALUES ('CAST', 7)"});
    EXPECT_DOUBLE_EQ(gravity("CAST"), 7.0);
    replaceTable("CREATE TABLE MATERIAL (MATERIAL VARCHAR(20), GRAVITY LONG)");
    sql({"INSERT INTO MATERIAL VALUES ('LEAD', 11)"});
    EXPECT_DOUBLE_EQ(gravity("LEAD"), 11.0);
    replaceTable("CREATE TABLE MATERIAL (MATERIAL VARCHAR(20), GRAVITY SINGLE)");
    sql({"INSERT INTO MATERIAL VALUES ('A5083', 2.66)"});
    EXPECT_DOUBLE_EQ(gravity("A5083"), static_cast<double>(2.66f));
    EXPECT_EQ(transcript(), "");
}

TEST_F(MaterialDatabase, AnEmptyOrTextGravityWeighsNothing)
{
    replaceTable("CREATE TABLE MATERIAL (MATERIAL VARCHAR(20), GRAVITY DOUBLE, NOTE VARCHAR(20))");
    sql({"INSERT INTO MATERIAL VALUES ('FOAM', NULL, NULL)"});
    EXPECT_DOUBLE_EQ(gravity("FOAM"), 0.0);
    replaceTable("CREATE TABLE MATERIAL (MATERIAL VARCHAR(20), GRAVITY VARCHAR(10))");
    sql({"INSERT INTO MATERIAL VALUES ('WOOD', 'light')"});
    EXPECT_DOUBLE_EQ(gravity("WOOD"), 0.0);
    EXPECT_EQ(transcript(), "");
}

TEST_F(MaterialDatabase, AQuoteInTheNameBreaksTheQuery)
{
    Answer a = ask("O'NEIL");
    EXPECT_DOUBLE_EQ(a.gravity, 7.85);
    EXPECT_EQ(a.said, kOpenFailed);
}

TEST_F(MaterialDatabase, AMissingDatabaseIsReportedAndNotMade)
{
    std::filesystem::remove(install.at(kDatabaseFile));
    Answer a = ask("AH36");
    EXPECT_DOUBLE_EQ(a.gravity, 7.85);
    EXPECT_EQ(a.said, kOpenFailed);
    EXPECT_FALSE(std::filesystem::exists(install.at(kDatabaseFile)));
}

TEST_F(MaterialDatabase, ADatabaseWithoutTheTableIsReported)
{
    replaceTable("CREATE TABLE GRADE (NAME VARCHAR(20))");
    Answer a = ask("AH36");
    EXPECT_DOUBLE_EQ(a.gravity, 7.85);
    EXPECT_EQ(a.said, kOpenFailed);
}

TEST_F(MaterialDatabase, AFileThatIsNoDatabaseIsReported)
{
    install.put(kDatabaseFile, std::string(4096, 'x'));
    Answer a = ask("AH36");
    EXPECT_DOUBLE_EQ(a.gravity, 7.85);
    EXPECT_EQ(a.said, kOpenFailed);
}

TEST_F(MaterialDatabase, ADriverLibraryThatIsNotThereIsReported)
{
    install.put("../odbc/odbcinst.ini", "[Microsoft Access Driver (*.mdb)]\nDriver=/nonexistent/libaccess.so\n");
    expectDefaultAndMessageInFreshProcess("SUS316L");
}

TEST_F(MaterialDatabase, ADriverNameNobodyRegisteredIsReported)
{
    install.put("../odbc/odbcinst.ini", "[SQLite3]\nDriver=libsqlite3odbc.so\n");
    expectDefaultAndMessageInFreshProcess("SUS316L");
}

TEST_F(MaterialDatabase, WithoutTheSystemFolderTheDefaultComesSilently)
{
    install.forgetFolders();
    EXPECT_DOUBLE_EQ(gravity("SUS316L"), 7.85);
    EXPECT_EQ(transcript(), "");
}

// The readers, on one row holding every kind the SQLite driver gives.
class RecordSetValues : public MaterialDatabase {
protected:
    void SetUp() override
    {
        MaterialDatabase::SetUp();
        replaceTable(
            "CREATE TABLE MATERIAL (MATERIAL CHAR(8), RANK SHORT, CODE LONG, RATIO SINGLE, GRAVITY DOUBLE, "
            "GRADE TINYINT, WELDED BIT, TESTED DATE, NOTE VARCHAR(20), BLANK DOUBLE)");
        sql({"INSERT INTO MATERIAL VALUES ('AH36    ', -3, 360000, 0.5, 7.85, 200, 1, '2024-05-01', '  ', NULL)"});
        ASSERT_TRUE(m_db.OpenEx(kConnect, CDatabase::noOdbcDialog));
        ASSERT_TRUE(m_rs.Open(CRecordset::snapshot, "select * from MATERIAL", CRecordset::readOnly));
    }

    CDatabase m_db;
    CRecordset m_rs{&m_db};
};

TEST_F(RecordSetValues, TextIsTrimmedOnlyWhenAsked)
{
    CString text;
    ASSERT_TRUE(TrevanComARX_DataGetValue(m_rs, "MATERIAL", text, false, false));
    EXPECT_EQ(text, "AH36    ");
    ASSERT_TRUE(TrevanComARX_DataGetValue(m_rs, "MATERIAL", text, true, true));
    EXPECT_EQ(text, "AH36");
    char buffer[16];
    std::memset(buffer, '#', sizeof buffer);
    ASSERT_TRUE(TrevanComARX_DataGetValue(m_rs, "MATERIAL", buffer, false, true));
    EXPECT_STREQ(buffer, "AH36");
    ASSERT_TRUE(TrevanComARX_DataGetValue(m_rs, "NOTE", text, false, true));
    EXPECT_EQ(text, "");
    // A number read as text is written as the record set writes it.
    ASSERT_TRUE(TrevanComARX_DataGetValue(m_rs, "CODE", text, false, false));
    EXPECT_EQ(text, "360000");
}

TEST_F(RecordSetValues, NullGivesFalseAndAnEmptyOutput)
{
    CString text = "old";
    char buffer[8] = "old";
    int i = 5;
    long l = 5;
    double d = 5;
    EXPECT_FALSE(TrevanComARX_DataGetValue(m_rs, "BLANK", text, false, true));
    EXPECT_FALSE(TrevanComARX_DataGetValue(m_rs, "BLANK", buffer, false, true));
    EXPECT_FALSE(TrevanComARX_DataGetValue(m_rs, "BLANK", i, false));
    EXPECT_FALSE(TrevanComARX_DataGetValue(m_rs, "BLANK", l, false));
    EXPECT_FALSE(TrevanComARX_DataGetValue(m_rs, "BLANK", d, false));
    EXPECT_EQ(text, "");
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(i, 0);
    EXPECT_EQ(l, 0);
    EXPECT_EQ(d, 0.0);
}

TEST_F(RecordSetValues, RealsTakeEveryNumberKindAndRefuseTheRest)
{
    double d = 0;
    ASSERT_TRUE(TrevanComARX_DataGetValue(m_rs, "RANK", d, false));
    EXPECT_EQ(d, -3.0);
    ASSERT_TRUE(TrevanComARX_DataGetValue(m_rs, "CODE", d, false));
    EXPECT_EQ(d, 360000.0);
    ASSERT_TRUE(TrevanComARX_DataGetValue(m_rs, "RATIO", d, false));
    EXPECT_EQ(d, 0.5);
    ASSERT_TRUE(TrevanComARX_DataGetValue(m_rs, "GRAVITY", d, false));
    EXPECT_EQ(d, 7.85);
    EXPECT_FALSE(TrevanComARX_DataGetValue(m_rs, "GRADE", d, false));
    EXPECT_EQ(d, 0.0);
    d = 1;
    EXPECT_FALSE(TrevanComARX_DataGetValue(m_rs, "MATERIAL", d, false));
    EXPECT_EQ(d, 0.0);
}

TEST_F(RecordSetValues, LongsTakeWholeNumbersOnly)
{
    long l = 0;
    ASSERT_TRUE(TrevanComARX_DataGetValue(m_rs, "RANK", l, false));
    EXPECT_EQ(l, -3);
    ASSERT_TRUE(TrevanComARX_DataGetValue(m_rs, "CODE", l, false));
    EXPECT_EQ(l, 360000);
    for (const char* other : {"RATIO", "GRAVITY", "GRADE", "WELDED", "TESTED", "MATERIAL"}) {
        l = 1;
        EXPECT_FALSE(TrevanComARX_DataGetValue(m_rs, other, l, false)) << other;
        EXPECT_EQ(l, 0) << other;
    }
}

TEST_F(RecordSetValues, IntsAnswerForEveryKindWithTheNumberWhereThereIsOne)
{
    int i = 0;
    ASSERT_TRUE(TrevanComARX_DataGetValue(m_rs, "RANK", i, false));
    EXPECT_EQ(i, -3);
    // A LONG keeps its value beyond the 16 bits of a SHORT.
    ASSERT_TRUE(TrevanComARX_DataGetValue(m_rs, "CODE", i, false));
    EXPECT_EQ(i, 360000);
    ASSERT_TRUE(TrevanComARX_DataGetValue(m_rs, "GRADE", i, false));
    EXPECT_EQ(i, 200);
    ASSERT_TRUE(TrevanComARX_DataGetValue(m_rs, "WELDED", i, false));
    EXPECT_EQ(i, 1);
    ASSERT_TRUE(TrevanComARX_DataGetValue(m_rs, "GRAVITY", i, false));
    EXPECT_EQ(i, 7);
    ASSERT_TRUE(TrevanComARX_DataGetValue(m_rs, "MATERIAL", i, false));
    EXPECT_EQ(i, 0);
}

TEST_F(RecordSetValues, AnUnknownColumnReachesTheCaller)
{
    double d = 1;
    bool thrown = false;
    try {
        TrevanComARX_DataGetValue(m_rs, "DENSITY", d, false);
    } catch (CDBException* e) {
        thrown = e->m_nRetCode == AFX_SQL_ERROR_FIELD_NOT_FOUND;
        e->Delete();
    }
    EXPECT_TRUE(thrown);
    EXPECT_EQ(d, 0.0);
}

TEST_F(RecordSetValues, TheKindMessageNamesLevelColumnAndKind)
{
    TrevanComARX_DataValueErrMsg(3, "GRAVITY", DBVT_STRING);
    TrevanComARX_DataValueErrMsg(1, "RANK", DBVT_SHORT);
    TrevanComARX_DataValueErrMsg(2, "TESTED", DBVT_DATE);
    TrevanComARX_DataValueErrMsg(0, "NOTE", DBVT_NULL);
    TrevanComARX_DataValueErrMsg(4, "BLOB", 10);
    EXPECT_EQ(transcript(),
              "[MessageBox] Error:GRAVITYのタイプはDBVT_STRINGです。\n"
              "[MessageBox] Info:RANKのタイプはDBVT_SHORTです。\n"
              "[MessageBox] Warning:TESTEDのタイプはDBVT_DATEです。\n"
              "[MessageBox] NOTEのタイプはDBVT_NULLです。\n"
              "[MessageBox] BLOBのタイプは\n");
}

}  // namespace
