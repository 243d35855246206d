#pragma once

namespace vantrelle {

// Marks a run or a preview as under way for as long as it lasts, whatever happens inside.
class RunMark {
 public:
  explicit RunMark(bool& active) : active_(active) { active_ = true; }
  RunMark(const RunMark&) = delete;
  RunMark& operator=(const RunMark&) = delete;
  ~RunMark() { active_ = false; }

 private:
  bool& active_;
};

}  // namespace vantrelle
