#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cleaning/WindowsHandlers.h"

namespace vantrelle::testing {
namespace {

using cleaning::HandlerOwner;

// Each handler lands in exactly one place: the program's own work (never), the machine's, or the person's.
TEST(WindowsHandlers, EachKeyNameBelongsToThePersonTheMachineOrNeither) {
  const std::vector<platform::CleanupHandlerInfo> all = {
      {"Recycle Bin", "", ""},
      {"Thumbnail Cache", "", ""},
      {"D3D Shader Cache", "", ""},
      {"Update Cleanup", "", ""},
      {"System error minidump files", "", ""},
      {"Offline Pages Files", "", ""},
      {"Temporary Files", "", ""},
      {"Delivery Optimization Files", "", ""},
      {"Some New Handler", "", ""},
  };
  const auto names = [&](HandlerOwner owner) {
    std::vector<std::string> listed;
    for (const auto& handler : cleaning::ChoosableHandlers(all, owner)) listed.push_back(handler.keyName);
    return listed;
  };
  EXPECT_EQ(names(HandlerOwner::Person), (std::vector<std::string>{"Offline Pages Files", "Some New Handler"}));
  EXPECT_EQ(names(HandlerOwner::Machine),
            (std::vector<std::string>{"Update Cleanup", "System error minidump files", "Delivery Optimization Files"}));
  EXPECT_EQ(cleaning::HandlerConsequence("Previous Installations"), TextId::ConsequencePreviousInstallations);
  EXPECT_EQ(cleaning::HandlerConsequence("Offline Pages Files"), std::nullopt);
}

}  // namespace
}  // namespace vantrelle::testing
