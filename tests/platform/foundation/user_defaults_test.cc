#include "zephro/platform/foundation/user_defaults.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdlib>
#include <fstream>

#include "zephro/testing/plain_values.h"
#include "zephro/testing/scratch_directory.h"
#include "zephro/platform/foundation/application.h"

namespace zephro::platform::foundation {
namespace {

using testing::plainEquals;

class UserDefaultsTest : public ::testing::Test {
 protected:
  std::filesystem::path file() const { return scratch_ / "store.sqlite3"; }
  std::unique_ptr<UserDefaults> open() const { return std::make_unique<UserDefaults>(file()); }

  testing::ScratchDirectory scratch_;
};

TEST_F(UserDefaultsTest, ValuesKeepTheirKindInMemoryAndAfterReopening) {
  // What is stored, and what it reads back as: narrower types widen.
  const std::pair<std::any, std::any> cases[] = {
      {true, true}, {std::int64_t{-5}, std::int64_t{-5}}, {~0ULL, std::uint64_t{~0ULL}}, {2.5, 2.5},
      {std::string("客厅\0x", 8), std::string("客厅\0x", 8)}, {Number::ofInt32(7), Number::ofInt32(7)},
      {Number::ofBool(true), Number::ofBool(true)}, {Number::ofFloat(1.5f), Number::ofFloat(1.5f)},
      {Number::ofUInt16(65535), Number::ofUInt16(65535)},
      {Number::withCode('l', 42), Number::withCode('l', 42)},
      {Date(std::chrono::nanoseconds(1700000000123456789)), Date(std::chrono::nanoseconds(1700000000123456789))},
      {Data{0, 1, 255}, Data{0, 1, 255}}, {Null{}, Null{}}, {PlainList{}, PlainList{}},
      {PlainMap{{"tags", PlainList{std::string("a"), Null{}, PlainMap{{"x", 1.5}}}}},
       PlainMap{{"tags", PlainList{std::string("a"), Null{}, PlainMap{{"x", 1.5}}}}}},
      {5, std::int64_t{5}}, {std::int8_t{-1}, std::int64_t{-1}}, {5u, std::uint64_t{5}}, {1.5f, 1.5},
      {"text", std::string("text")}, {PlainList{short{3}}, PlainList{std::int64_t{3}}}};
  auto defaults = open();
  for (std::size_t i = 0; i < std::size(cases); ++i) ASSERT_TRUE(defaults->set(std::to_string(i), cases[i].first));
  auto reopened = open();
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_TRUE(plainEquals(defaults->value(std::to_string(i)), cases[i].second)) << "case " << i;
    EXPECT_TRUE(plainEquals(reopened->value(std::to_string(i)), cases[i].second)) << "case " << i;
  }
}

// boolean() reads a Boolean or a non-zero number; the others their own kind.
TEST_F(UserDefaultsTest, TypedReadsAnswerOnlyForTheirKind) {
  auto defaults = open();
  const std::pair<std::any, bool> flags[] = {{true, true}, {false, false}, {std::int64_t{2}, true},
                                             {std::int64_t{0}, false}, {0.5, true}, {Number::ofInt8(1), true},
                                             {Null{}, false}, {std::string("true"), false}};
  for (const auto& [value, expected] : flags) {
    defaults->set("flag", value);
    EXPECT_EQ(defaults->boolean("flag"), expected) << value.type().name();
  }
  defaults->set("text", std::string("1"));
  defaults->set("bytes", Data{7});
  EXPECT_EQ(defaults->string("text"), "1");
  EXPECT_EQ(defaults->string("bytes"), std::nullopt);
  EXPECT_EQ(defaults->data("bytes"), Data{7});
  EXPECT_EQ(defaults->data("text"), std::nullopt);
  EXPECT_FALSE(defaults->boolean("absent"));
}

TEST_F(UserDefaultsTest, RemovalsAreDurable) {
  auto defaults = open();
  for (const char* key : {"a", "b", "c"}) defaults->set(key, std::string(key));
  EXPECT_TRUE(defaults->set("a", std::any()));
  EXPECT_TRUE(defaults->remove("b"));
  EXPECT_FALSE(open()->value("a").has_value());
  EXPECT_FALSE(open()->value("b").has_value());
  EXPECT_EQ(open()->string("c"), "c");
  EXPECT_TRUE(defaults->removeAll());
  EXPECT_FALSE(open()->value("c").has_value());
}

TEST_F(UserDefaultsTest, RefusesUnsupportedValuesKeepingTheOldOne) {
  struct Opaque {};
  auto defaults = open();
  defaults->set("k", std::string("old"));
  EXPECT_FALSE(defaults->set("k", Opaque{}));
  EXPECT_FALSE(defaults->set("k", PlainMap{{"deep", PlainList{Opaque{}}}}));
  EXPECT_EQ(defaults->string("k"), "old");
  EXPECT_EQ(open()->string("k"), "old");
}

TEST_F(UserDefaultsTest, DamagedFileIsSetAsideAndAFreshStoreBegins) {
  std::ofstream(file()) << std::string(8192, 'x');
  auto defaults = open();
  EXPECT_FALSE(defaults->value("k").has_value());
  ASSERT_TRUE(defaults->set("k", std::string("v")));
  EXPECT_EQ(open()->string("k"), "v");
  int setAside = 0;
  for (const auto& entry : std::filesystem::directory_iterator(scratch_.path())) {
    if (entry.path().filename().string().starts_with("store.sqlite3.corrupt-")) {
      ++setAside;
      EXPECT_EQ(entry.file_size(), 8192u);
    }
  }
  EXPECT_EQ(setAside, 1);
}

// Made by the store's code of the time: no format version, dates counted in
// the system clock's ticks.
constexpr char kFirstFormatStore[] =
    "PRAGMA journal_mode=WAL;"
    "CREATE TABLE defaults(key TEXT PRIMARY KEY NOT NULL, value BLOB NOT NULL) WITHOUT ROWID;"
    "INSERT INTO defaults VALUES('info', X'6d010000000000000001000000000000006e690500000000000000');"
    "INSERT INTO defaults VALUES('token', X'730300000000000000616263');"
    "INSERT INTO defaults VALUES('when', X'7415cd853dfe9c9717');";

int runOnFile(const std::filesystem::path& file, const std::string& sql) {
  sqlite3* db = nullptr;
  sqlite3_open(file.c_str(), &db);
  int version = -1;
  auto keepVersion = [](void* out, int, char** values, char**) {
    *static_cast<int*>(out) = std::atoi(values[0]);
    return 0;
  };
  sqlite3_exec(db, (sql + "PRAGMA user_version;").c_str(), keepVersion, &version, nullptr);
  sqlite3_close(db);
  return version;
}

// Files of the first format are upgraded on opening; files of a newer one are
// only read.
TEST_F(UserDefaultsTest, FilesOfOtherFormatsAreRead) {
  const struct {
    int versionOnFile;
    StoreState state;
    int versionAfter;
  } cases[] = {{0, StoreState::writable, 1}, {99, StoreState::readOnly, 99}};
  for (const auto& c : cases) {
    std::filesystem::remove(file());
    runOnFile(file(), kFirstFormatStore + ("PRAGMA user_version=" + std::to_string(c.versionOnFile) + ";"));
    auto defaults = open();
    EXPECT_EQ(defaults->state(), c.state);
    EXPECT_EQ(defaults->string("token"), "abc");
    EXPECT_TRUE(plainEquals(defaults->value("info"), PlainMap{{"n", std::int64_t{5}}}));
    EXPECT_TRUE(plainEquals(defaults->value("when"), Date(std::chrono::nanoseconds(1700000000123456789))));
    defaults.reset();
    EXPECT_EQ(runOnFile(file(), ""), c.versionAfter);
  }
}

TEST(StandardUserDefaults, LivesWhereTheHostSaysElseInTheConfigurationHome) {
  testing::ScratchDirectory config;
  setenv("XDG_CONFIG_HOME", config.path().c_str(), 1);
  EXPECT_EQ(UserDefaults::standardStorePath(), config / applicationId() / "user-defaults.sqlite3");
  UserDefaults::setStandardStorePath(config / "chosen.sqlite3");
  UserDefaults::resetStandardUserDefaults();
  UserDefaults::standard().set("k", true);
  EXPECT_TRUE(UserDefaults(config / "chosen.sqlite3").boolean("k"));
  UserDefaults::setStandardStorePath({});
  UserDefaults::resetStandardUserDefaults();
  unsetenv("XDG_CONFIG_HOME");
}

}  // namespace
}  // namespace zephro::platform::foundation
