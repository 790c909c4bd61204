#pragma once

#include <deque>
#include <vector>

#include "platform/FileDialogs.h"

namespace orvalis::test {

// Records every dialog and answers with the next prepared choice; without
// one it answers as a cancelled dialog.
class FakeFileDialogs : public platform::FileDialogs {
 public:
  struct Shown {
    bool save;
    platform::FileDialogRequest request;
  };

  platform::FileDialogChoice askSavePath(QWidget*,
                                         const platform::FileDialogRequest& request) override {
    return answer(true, request);
  }
  platform::FileDialogChoice askOpenPath(QWidget*,
                                         const platform::FileDialogRequest& request) override {
    return answer(false, request);
  }

  // The next dialog returns `path` with the file type `filterIndex`.
  void choose(const std::string& path, int filterIndex) { answers.push_back({path, filterIndex}); }
  // The next dialog returns the path it proposes, as after Return, with the
  // file type `filterIndex`.
  void acceptProposal(int filterIndex) { choose(proposal, filterIndex); }

  std::vector<Shown> shown;
  std::deque<platform::FileDialogChoice> answers;

 private:
  static constexpr const char* proposal = "\n(proposal)";

  platform::FileDialogChoice answer(bool save, const platform::FileDialogRequest& request) {
    shown.push_back({save, request});
    if (answers.empty()) {
      return {"", request.filterIndex};
    }
    platform::FileDialogChoice choice = answers.front();
    answers.pop_front();
    if (choice.path == proposal) {
      choice.path = request.folder + "/" + request.fileName;
    }
    return choice;
  }
};

}  // namespace orvalis::test
