#include "platform/registry.h"

#include <gtest/gtest.h>
#include <QDir>

namespace lingotab::platform {
namespace {

// Every test of this executable starts from an empty store in its own folder.
class RegistryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        QDir(qEnvironmentVariable("LINGOTAB_REGISTRY_DIR")).removeRecursively();
    }
    static HKEY create(HKEY parent, const QString& path) {
        HKEY key = 0;
        EXPECT_EQ(RegCreateKeyEx(parent, path, KEY_ALL_ACCESS, &key), ERROR_SUCCESS);
        return key;
    }
    static bool exists(HKEY hive, const QString& path) {
        HKEY key = 0;
        if (RegOpenKeyEx(hive, path, KEY_READ, &key) != ERROR_SUCCESS) return false;
        RegCloseKey(key);
        return true;
    }
};

TEST_F(RegistryTest, ValuesKeysAndCounts) {
    DWORD disposition = 0;
    HKEY key = 0;
    ASSERT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, QStringLiteral("Software\\Test\\Locales"),
                             KEY_ALL_ACCESS, &key, &disposition),
              ERROR_SUCCESS);
    EXPECT_EQ(disposition, REG_CREATED_NEW_KEY);
    EXPECT_EQ(RegSetValueEx(key, QStringLiteral("/opt/a/Lingotab"), REG_SZ, QStringLiteral("EN")),
              ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueEx(key, QString(), REG_SZ, QStringLiteral("DE")), ERROR_SUCCESS);
    RegCloseKey(key);

    // Names compare without case; the hives are separate.
    ASSERT_EQ(
        RegOpenKeyEx(HKEY_CURRENT_USER, QStringLiteral("software\\TEST\\locales"), KEY_READ, &key),
        ERROR_SUCCESS);
    QString data;
    DWORD type = 0;
    EXPECT_EQ(RegQueryValueEx(key, QStringLiteral("/OPT/A/Lingotab"), &type, &data), ERROR_SUCCESS);
    EXPECT_EQ(data, QStringLiteral("EN"));
    EXPECT_EQ(type, REG_SZ);
    EXPECT_EQ(RegQueryValueEx(key, QString(), nullptr, &data), ERROR_SUCCESS);
    EXPECT_EQ(data, QStringLiteral("DE"));
    EXPECT_EQ(RegQueryValueEx(key, QStringLiteral("other"), nullptr, &data), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegSetValueEx(key, QStringLiteral("x"), REG_SZ, QStringLiteral("y")),
              ERROR_ACCESS_DENIED);  // opened for reading only
    DWORD subKeys = 9, values = 9;
    EXPECT_EQ(RegQueryInfoKey(key, &subKeys, &values), ERROR_SUCCESS);
    EXPECT_EQ(subKeys, 0u);
    EXPECT_EQ(values, 2u);
    RegCloseKey(key);
    EXPECT_FALSE(exists(HKEY_LOCAL_MACHINE, QStringLiteral("Software\\Test")));

    // A key with subkeys cannot be deleted; values go one by one.
    EXPECT_EQ(RegDeleteKey(HKEY_CURRENT_USER, QStringLiteral("Software\\Test")),
              ERROR_ACCESS_DENIED);
    key = create(HKEY_CURRENT_USER, QStringLiteral("Software\\Test\\Locales"));
    EXPECT_EQ(RegDeleteValue(key, QStringLiteral("/opt/a/lingotab")), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteValue(key, QStringLiteral("/opt/a/lingotab")), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegQueryInfoKey(key, &subKeys, &values), ERROR_SUCCESS);
    EXPECT_EQ(values, 1u);
    RegCloseKey(key);
    EXPECT_EQ(RegDeleteKey(HKEY_CURRENT_USER, QStringLiteral("Software\\Test\\Locales")),
              ERROR_SUCCESS);
    EXPECT_FALSE(exists(HKEY_CURRENT_USER, QStringLiteral("Software\\Test\\Locales")));
    EXPECT_TRUE(exists(HKEY_CURRENT_USER, QStringLiteral("Software\\Test")));
}

TEST_F(RegistryTest, HandlesOfDeletedOrUnknownKeys) {
    HKEY key = create(HKEY_CURRENT_USER, QStringLiteral("Software\\Gone"));
    ASSERT_EQ(RegDeleteKey(HKEY_CURRENT_USER, QStringLiteral("Software\\Gone")), ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueEx(key, QStringLiteral("v"), REG_SZ, QStringLiteral("d")),
              ERROR_KEY_DELETED);
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(key), ERROR_INVALID_HANDLE);
    DWORD values = 0;
    EXPECT_EQ(RegQueryInfoKey(key, nullptr, &values), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegDeleteKey(HKEY_CURRENT_USER, QStringLiteral("Software\\Never")),
              ERROR_FILE_NOT_FOUND);
}

}  // namespace
}  // namespace lingotab::platform
