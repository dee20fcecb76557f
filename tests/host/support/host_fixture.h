// A fresh drawing per test, with breaches of the SDK's rules turned into failures, and a
// final check that the test closed everything it opened.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "zrx.h"
#include "zrxhost/contract.h"

class HostTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Appends to model space and closes; the entity's id.
    ZcDbObjectId addToModelSpace(ZcDbEntity* entity);
    // Registers an application name in the test drawing.
    void regApp(const char* name);

    std::unique_ptr<ZcDbDatabase> db;
};

// Runs the statement and expects it to break an SDK rule.
#define EXPECT_CONTRACT_BREACH(statement) EXPECT_THROW(statement, zrxhost::ContractViolation)
