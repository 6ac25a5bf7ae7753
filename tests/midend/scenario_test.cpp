// The play scenarios against the mid end, through a front end as small as one can be: each box's
// text, whether all of it is selected or where its caret stands, and where the keyboard is. It
// applies each change list as the page and the Qt window do, and edits a box as a browser does.
#include <gtest/gtest.h>

#include <algorithm>

#include "midend/mid_end.h"
#include "support/fakes.h"
#include "support/scenarios.h"

namespace kalmotre {
namespace {

class ModelFrontEnd {
 public:
  explicit ModelFrontEnd(MidEnd& midEnd) : midEnd_(midEnd) {
    for (int id = 0; id < kControlCount; ++id) boxes_.push_back({designState(id).text, 0, false});
  }

  ChangeList send(const Event& event) {
    const ChangeList list = midEnd_.handle(event);
    for (const Change& change : list.changes) {
      Box& box = boxes_[static_cast<std::size_t>(change.control)];
      if (change.property == Property::Text) box = {change.text, change.text.size(), false};
      if (change.property == Property::ReadOnly) box.readOnly = change.value != 0;
    }
    if (list.focus != kNoControl) focus_ = list.focus;
    if (list.select != kNoControl) boxes_[static_cast<std::size_t>(list.select)].selected = true;
    if (list.resume) send(events::resume());
    return list;
  }

  // The pointer goes down in the box (the focus comes, the caret lands where the pointer does)
  // and is released there.
  void click(int id, const std::string& where) {
    if (focus_ != id) {
      if (focus_ != kNoControl) send(events::focusOut(focus_, FocusCause::Player));
      focus_ = id;
      send(events::focusIn(id));
    }
    Box& box = boxes_[static_cast<std::size_t>(id)];
    box.selected = false;
    box.caret = where == "left" ? 0 : where == "right" ? box.text.size() : box.text.size() / 2;
    send(events::click(id));
  }

  // A key the core does not take edits the box with the keyboard, as a browser's would.
  void key(const std::string& name) {
    if (send(events::key(focus_, name, 0)).keyTaken || focus_ == kNoControl) return;
    Box& box = boxes_[static_cast<std::size_t>(focus_)];
    if (box.readOnly) return;
    std::string text = box.text;
    std::size_t caret = box.caret;
    if (box.selected && (name.size() == 1 || name == "Delete" || name == "Backspace")) {
      text.clear();
      caret = 0;
    }
    if (name == "ArrowLeft" || name == "ArrowRight") {  // a selection collapses to its edge
      const bool left = name == "ArrowLeft";
      box.caret = box.selected ? (left ? 0 : text.size())
                  : left       ? (caret > 0 ? caret - 1 : 0)
                               : std::min(caret + 1, text.size());
      box.selected = false;
      return;
    }
    if (name.size() == 1) {
      if (!box.selected && static_cast<int>(text.size()) >= maxTextUnits(focus_)) return;
      text.insert(caret++, name);
    } else if (name == "Delete" && !box.selected && caret < text.size()) {
      text.erase(caret, 1);
    } else if (name == "Backspace" && !box.selected && caret > 0) {
      text.erase(--caret, 1);
    }
    if (text == box.text) return;
    box = {text, caret, false, box.readOnly};
    send(events::edit(focus_, text));
  }

  const std::string& text(int id) const { return boxes_[static_cast<std::size_t>(id)].text; }
  int focus() const { return focus_; }

 private:
  struct Box {
    std::string text;
    std::size_t caret = 0;
    bool selected = false;
    bool readOnly = false;
  };
  MidEnd& midEnd_;
  std::vector<Box> boxes_;
  int focus_ = kNoControl;
};

TEST(Scenarios, TheMidEndPlaysEveryScenario) {
  const std::vector<test::Scenario> scenarios = test::loadScenarios();
  ASSERT_GE(scenarios.size(), 5u);
  for (const test::Scenario& scenario : scenarios) {
    SCOPED_TRACE(scenario.name);
    test::RecordingWindow window;
    EngineRandomSource random;
    SteppingClock clock(scenario.clock);
    MidEnd midEnd(window, random, clock);
    ModelFrontEnd front(midEnd);
    front.send(events::load());
    front.send(events::click(controlNamed(WindowName::Main, "btnGO")));
    for (const test::Step& step : scenario.steps) {
      SCOPED_TRACE(step.verb + " " + step.box + " " + step.argument);
      if (step.verb == "click") {
        front.click(step.control, step.argument);
      } else if (step.verb == "type") {
        for (const char ch : step.argument) front.key(std::string(1, ch));
      } else if (step.verb == "key") {
        front.key(step.argument);
      } else if (step.verb == "text") {
        EXPECT_EQ(front.text(step.control), step.argument);
      } else if (step.verb == "focus") {
        EXPECT_EQ(front.focus(), step.control);
      } else if (step.verb == "colour") {
        EXPECT_EQ(test::colourName(midEnd.stateOf(step.control).background.bgr), step.argument);
      } else if (step.verb == "free") {
        EXPECT_EQ(midEnd.form().ui().freeCells, std::stoi(step.argument));
      } else {
        ADD_FAILURE() << "no such step";
      }
    }
  }
}

}  // namespace
}  // namespace kalmotre
