// ORDER BY done by the host for a driver whose SQL has none (mdbtools, which reads real Access
// files): the clause split off the query, and rows sorted as Access sorts them, here through
// a real SQLite connection that never sees the clause.
#include <gtest/gtest.h>

#include <cstdlib>

#include "odbc/odbc_session.h"
#include "odbc/order_by.h"
#include "support/sqlite_driver.h"
#include "win_fixture.h"

namespace {

using zrxodbc::splitOrderBy;

std::string keysOf(const std::string& sql)
{
    auto split = splitOrderBy(sql);
    if (!split) return "none";
    std::string out = split->query + " |";
    for (const auto& k : split->keys) out += " " + k.column + (k.descending ? " desc" : " asc");
    return out;
}

TEST(OrderBySplit, ATrailingOrderOfColumnNamesIsSplitOff)
{
    EXPECT_EQ(keysOf("select * from MATERIAL where MATERIAL='AH36' order by MATERIAL"),
              "select * from MATERIAL where MATERIAL='AH36' | MATERIAL asc");
    EXPECT_EQ(keysOf("SELECT A, B FROM T ORDER  BY [Grade Name] DESC, \"B\" asc;"), "SELECT A, B FROM T | Grade Name desc B asc");
    EXPECT_EQ(keysOf("select * from T order by\nGRAVITY desc"), "select * from T | GRAVITY desc");
}

TEST(OrderBySplit, QuotedTextsAndOtherOrdersAreLeftToTheDriver)
{
    EXPECT_EQ(keysOf("select * from T where NOTE='sorted, order by size'"), "none");
    EXPECT_EQ(keysOf("select * from T"), "none");
    EXPECT_EQ(keysOf("select * from T order by GRAVITY * 2"), "none");
    EXPECT_EQ(keysOf("select * from T order by 2"), "none");
    EXPECT_EQ(keysOf("select * from T order by A,"), "none");
    EXPECT_EQ(keysOf("select * from REORDER by_name"), "none");
}

class HostOrderedRows : public wintest::DriveTest {
protected:
    void SetUp() override
    {
        DriveTest::SetUp();
        std::string driver = sqliteDriver();
        if (driver.empty()) GTEST_SKIP() << "the SQLite ODBC driver (libsqliteodbc) is not installed";
        // The driver library named itself, as unixODBC allows.
        m_connect = "Driver=" + driver + ";Database=" + put("grades.db", "").string();
        zrxodbc::Connection setup(m_connect);
        setup.execute("CREATE TABLE GRADE (NAME VARCHAR(10), GRAVITY DOUBLE, RANK SMALLINT)");
        setup.execute("INSERT INTO GRADE VALUES ('eh36', 7.85, 3), ('A5083', 2.66, 1), (NULL, 7.93, 2), ('AH36', 7.85, 4), ('ah36', 7.86, 5)");
    }
    std::string column(const std::string& sql, size_t index)
    {
        zrxodbc::Connection noOrder(m_connect, false);
        auto statement = noOrder.query(sql);
        std::string out;
        while (auto row = statement->fetch()) {
            const zrxodbc::Value& v = (*row)[index];
            out += (out.empty() ? "" : ",") + (v.kind == zrxodbc::Value::Null ? std::string("NULL")
                                               : v.kind == zrxodbc::Value::String ? v.bytes
                                                                                   : std::to_string(v.s));
        }
        return out;
    }
    std::string m_connect;
};

TEST_F(HostOrderedRows, RowsComeInTheOrderAskedEqualKeysInTheDriversOrder)
{
    // NULL first, texts without regard to case, equal keys in the driver's order.
    EXPECT_EQ(column("select * from GRADE order by NAME", 0), "NULL,A5083,AH36,ah36,eh36");
    EXPECT_EQ(column("select NAME, GRAVITY, RANK from GRADE where GRAVITY > 7 order by GRAVITY desc, RANK", 2), "2,5,3,4");
    EXPECT_EQ(column("select * from GRADE where NAME='AH36' order by NAME", 2), "4");
}

TEST_F(HostOrderedRows, AnOrderByAColumnNotSelectedIsAnError)
{
    zrxodbc::Connection noOrder(m_connect, false);
    EXPECT_THROW(noOrder.query("select NAME from GRADE order by RANK"), zrxodbc::Failure);
}

}  // namespace
