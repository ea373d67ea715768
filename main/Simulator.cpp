#include "main/Simulator.h"

#include <charconv>
#include <istream>
#include <ostream>
#include <sstream>

#include "frame/ListBox.h"
#include "frame/Memo.h"
#include "frame/Random.h"
#include "frame/Timer.h"
#include "media/HeadlessMediaService.h"
#include "screens/Program.h"
#include "screens/Unit2.h"

namespace {

std::vector<std::string> split(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

std::optional<long long> number(const std::string& text) {
    long long value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// The window system's coordinate range: X11 carries 16-bit signed positions.
constexpr long long kCoordinateLimit = 32767;
// The clock of day's range for `seed`, and the longest `wait`: a year.
constexpr long long kLastMillisecondOfDay = 86'399'999;
constexpr long long kLongestWait = 365LL * 24 * 60 * 60 * 1000;

std::string boolean(bool value) { return value ? "true" : "false"; }

std::string joinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        if (&line != &lines.front()) text += "\\n";
        text += line;
    }
    return text;
}

}  // namespace

Simulator::Simulator(std::string executablePath, std::ostream& out, std::ostream& err,
                     std::unique_ptr<SimulatorServices> services)
    : executablePath_(std::move(executablePath)), out_(out), err_(err), services_(std::move(services)) {
    values_["time"] = [this] { return std::to_string(platform_.now()); };
    values_["focus"] = [this] { return focus(); };
    values_["RandomSeed"] = [] { return std::to_string(RandomSeed); };
    addGameValues();
}

void Simulator::addGameValues() {
    using Field = std::int32_t GameState::*;
    const std::pair<const char*, Field> numbers[] = {
        {"Lives", &GameState::Lives},  {"Score", &GameState::Score},         {"CrateValue", &GameState::CrateValue},
        {"Level", &GameState::Level},  {"LevelStep", &GameState::LevelStep}, {"Speed", &GameState::Speed},
        {"Caught", &GameState::Caught}};
    // No structured binding: the web build's compiler (clang 14) cannot capture one.
    for (const auto& number : numbers) {
        Field field = number.second;
        values_[number.first] = [field] { return std::to_string(Form2->Game.*field); };
    }
    values_["Paused"] = [] { return boolean(Form2->Game.Paused); };
    for (std::size_t i = 0; i < 8; ++i)
        values_["CrateFlying[" + std::to_string(i + 1) + "]"] = [i] { return boolean(Form2->Game.CrateFlying[i]); };
    for (std::size_t j = 0; j < 4; ++j)
        values_["LaserFlying[" + std::to_string(j + 1) + "]"] = [j] { return boolean(Form2->Game.LaserFlying[j]); };
}

Simulator::~Simulator() = default;

void Simulator::fail(const std::string& message) {
    err_ << "orbitrove-sim: " << message << '\n';
    failed_ = true;
}

int Simulator::run(std::istream& script) {
    bool first = true;
    for (std::string line; std::getline(script, line);) {
        Words words = split(line);
        if (words.empty() || words[0][0] == '#') continue;
        if (words[0] == "seed" && first && words.size() == 2) {
            first = false;
            auto ms = number(words[1]);
            if (ms && *ms >= 0 && *ms <= kLastMillisecondOfDay)
                platform_.setUtcMillisecondOfDay(static_cast<std::uint32_t>(*ms));
            else fail("seed needs a millisecond of the day from 0 to 86399999, not " + words[1]);
            continue;
        }
        first = false;
        if (!program_ && !start()) return 1;
        if (!execute(words)) break;
    }
    if (script.bad()) {  // a folder, or a read that failed part of the way
        fail("cannot read the script");
        return 2;
    }
    if (!program_ && !start()) return 1;
    if (program_->application().terminated()) out_ << "exit=0" << std::endl;
    if (!out_.flush()) fail("cannot write the output");
    return failed_ ? 2 : 0;
}

bool Simulator::start() {
    program_ = std::make_unique<Program>(platform_, executablePath_, [this](Scheduler& loop) {
        return std::make_unique<HeadlessMediaService>(loop, services_->media());
    });
    if (!program_->start(err_)) return false;
    program_->application().showMainForm();
    program_->application().processPending();
    return true;
}

bool Simulator::execute(const Words& words) {
    runCommand(words);
    program_->application().processPending();
    return !program_->application().terminated();
}

void Simulator::runCommand(const Words& words) {
    const std::string& command = words[0];
    if (command == "wait" && words.size() == 2) wait(words[1]);
    else if (command == "key") key(words);
    else if (command == "move" || command == "click" || command == "press" || command == "release") pointer(words);
    else if (command == "close" && words.size() == 2) closeForm(words);
    else if (command == "print") print(words);
    else if (command == "shot" && words.size() == 2) shot(words);
    else fail("unknown command: " + command);
}

void Simulator::wait(const std::string& text) {
    auto ms = number(text);
    if (!ms || *ms < 0 || *ms > kLongestWait)
        return fail("wait needs whole milliseconds from 0 to " + std::to_string(kLongestWait) + ", not " + text);
    runFor(program_->application(), platform_, static_cast<std::uint64_t>(*ms));
}

void Simulator::post(InputEvent event, const TForm& form) {
    event.window = form.window().id();
    platform_.post(event);
}

void Simulator::key(const Words& words) {
    auto code = words.size() >= 2 ? number(words[1]) : std::nullopt;
    if (!code || *code < 0 || *code > 0xFFFF) return fail("key needs a key code");
    InputEvent event;
    event.type = InputEvent::Type::KeyDown;
    event.key = static_cast<std::uint16_t>(*code);
    for (std::size_t i = 2; i < words.size(); ++i) {
        if (words[i] == "shift") event.shift.shift = true;
        else if (words[i] == "ctrl") event.shift.ctrl = true;
        else if (words[i] == "alt") event.shift.alt = true;
        else return fail("unknown modifier: " + words[i]);
    }
    TForm* form = program_->application().activeForm();
    if (!form) return fail("no screen is active");
    post(event, *form);
}

TForm* Simulator::visibleForm(const std::string& name) {
    TForm* form = program_->application().form(name);
    if (!form) fail("unknown screen: " + name);
    else if (!form->visible()) fail("screen is hidden: " + name);
    return form && form->visible() ? form : nullptr;
}

void Simulator::pointer(const Words& words) {
    if (words.size() != 2 && words.size() != 4) return fail(words[0] + " needs FORM.CONTROL or FORM X Y");
    std::string target = words[1];
    std::string formName = target.substr(0, target.find('.'));
    TForm* form = visibleForm(formName);
    if (!form) return;
    Point at;
    if (words.size() == 4) {
        auto x = number(words[2]), y = number(words[3]);
        auto inRange = [](std::optional<long long> v) {
            return v && *v >= -kCoordinateLimit && *v <= kCoordinateLimit;
        };
        if (!inRange(x) || !inRange(y))
            return fail("bad coordinates " + words[2] + " " + words[3] + ": each must lie from -32767 to 32767");
        at = {static_cast<int>(*x), static_cast<int>(*y)};
    } else {
        if (target.size() <= formName.size() + 1) return fail(words[0] + " needs FORM.CONTROL or FORM X Y: " + target);
        auto* control = dynamic_cast<TControl*>(form->component(target.substr(formName.size() + 1)));
        if (!control) return fail("unknown control: " + target);
        Point offset = control->screenOffset();
        at = {offset.x + control->width() / 2, offset.y + control->height() / 2};
    }
    using Type = InputEvent::Type;
    InputEvent event;
    event.pos = at;
    const std::string& command = words[0];
    std::vector<Type> types = command == "move"      ? std::vector{Type::MouseMove}
                              : command == "press"   ? std::vector{Type::MouseDown}
                              : command == "release" ? std::vector{Type::MouseUp}
                                                     : std::vector{Type::MouseDown, Type::MouseUp};
    for (Type type : types) {
        event.type = type;
        event.shift.left = type == Type::MouseDown;
        post(event, *form);
    }
}

void Simulator::closeForm(const Words& words) {
    if (TForm* form = visibleForm(words[1])) {
        InputEvent event;
        event.type = InputEvent::Type::Close;
        post(event, *form);
    }
}

void Simulator::print(const Words& words) {
    for (std::size_t i = 1; i < words.size(); ++i) {
        if (auto v = value(words[i])) out_ << words[i] << '=' << *v << '\n';
        else fail("unknown path: " + words[i]);
    }
    out_.flush();
}

std::optional<std::string> Simulator::value(const std::string& path) const {
    if (auto it = values_.find(path); it != values_.end()) return it->second();
    auto dot = path.find('.');
    TForm* form = dot == std::string::npos ? nullptr : program_->application().form(path.substr(0, dot));
    if (!form) return std::nullopt;
    std::string rest = path.substr(dot + 1);
    auto second = rest.find('.');
    if (second == std::string::npos) return formValue(*form, rest);
    TComponent* component = form->component(rest.substr(0, second));
    if (!component) return std::nullopt;
    return componentValue(*form, *component, rest.substr(second + 1));
}

std::optional<std::string> Simulator::formValue(TForm& form, const std::string& property) const {
    if (property == "Visible") return boolean(form.visible());
    if (property == "Left") return std::to_string(form.left());
    if (property == "Top") return std::to_string(form.top());
    if (property == "Width") return std::to_string(form.width());
    if (property == "Height") return std::to_string(form.height());
    return std::nullopt;
}

std::optional<std::string> Simulator::componentValue(TForm&, TComponent& component, const std::string& property) const {
    if (auto* timer = dynamic_cast<TTimer*>(&component)) {
        if (property == "Enabled") return boolean(timer->enabled());
        if (property == "Interval") return std::to_string(timer->interval());
        return std::nullopt;
    }
    if (auto* player = dynamic_cast<TMediaPlayer*>(&component))
        if (auto answer = playerValue(*player, property)) return answer;
    auto* control = dynamic_cast<TControl*>(&component);
    if (!control) return std::nullopt;
    if (property == "Left") return std::to_string(control->left());
    if (property == "Top") return std::to_string(control->top());
    if (property == "Width") return std::to_string(control->width());
    if (property == "Height") return std::to_string(control->height());
    if (property == "Visible") return boolean(control->visible());
    if (property == "Enabled") return boolean(control->enabled());
    if (property == "Showing") return boolean(control->showing());
    if (property != "Caption") return std::nullopt;
    if (auto* memo = dynamic_cast<TMemo*>(control)) return joinLines(memo->lines());
    if (auto* list = dynamic_cast<TListBox*>(control)) return joinLines(list->items());
    return control->caption();
}

std::optional<std::string> Simulator::playerValue(const TMediaPlayer& player, const std::string& property) const {
    if (property == "Open") return boolean(player.isOpen());
    if (property == "Plays") return std::to_string(player.plays());
    if (property == "Stops") return std::to_string(player.stops());
    if (property == "Playing") return boolean(player.playing());
    if (property == "Position") return std::to_string(player.position());
    if (property == "Length") return std::to_string(player.length());
    return std::nullopt;
}

std::string Simulator::focus() const {
    TForm* form = program_ ? program_->application().activeForm() : nullptr;
    if (!form) return "none";
    TWinControl* control = form->activeControl();
    return control ? form->name() + "." + control->name() : form->name();
}

void Simulator::shot(const Words& words) {
    TForm* form = program_->application().activeForm();
    if (!form) return fail("no screen is visible");
    form->paintPending();
    if (!services_->saveShot(form->canvas(), words[1])) fail("cannot write " + words[1]);
}
