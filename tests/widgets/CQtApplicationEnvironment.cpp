#include <QApplication>

#include <gtest/gtest.h>

#include <memory>

namespace {
// Widgets need the application object for the whole test program; the
// test main of the support library knows nothing of Qt, so it is created
// as a global test environment.
class CQtApplicationEnvironment : public testing::Environment {
public:
    void SetUp() override { m_application = std::make_unique<QApplication>(m_argc, m_argv); }
    void TearDown() override { m_application.reset(); }

private:
    int m_argc = 1;
    char m_name[16] = "qx-sendora-test";
    char* m_argv[2] = {m_name, nullptr};
    std::unique_ptr<QApplication> m_application;
};

[[maybe_unused]] testing::Environment* const g_environment =
    testing::AddGlobalTestEnvironment(new CQtApplicationEnvironment);
}
