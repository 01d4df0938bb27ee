#include "settings/settings.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

namespace {

constexpr const char* fileName = "settings.ini";
// Larger files are not settings files; they are not read at all.
constexpr std::streamsize largestFile = 64 * 1024;

const char* const opponentNames[] = {"human", "computer-easy", "computer-normal", "computer-hard"};
const char* const rodControlNames[] = {"automatic", "manual"};
const char* const ruleNames[] = {"classic", "table"};
const char* const switchNames[] = {"off", "on"};

template <size_t N>
int indexNamed(const char* const (&names)[N], const std::string& value)
{
    for (size_t i = 0; i < N; ++i)
        if (value == names[i])
            return static_cast<int>(i);
    return -1;
}

bool readNumber(const std::string& value, int& number)
{
    if (value.empty() || value.size() > 3)
        return false;
    for (char c : value)
        if (c < '0' || c > '9')
            return false;
    number = std::atoi(value.c_str());
    return true;
}

std::string trimmed(const std::string& text)
{
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return "";
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

bool readVolume(const std::string& value, int& volume)
{
    int number = 0;
    if (!readNumber(value, number) || number > 100 || number % volumeStep != 0)
        return false;
    volume = number;
    return true;
}

template <size_t N>
bool readChoice(const char* const (&names)[N], const std::string& value, int& choice)
{
    const int index = indexNamed(names, value);
    if (index < 0)
        return false;
    choice = index;
    return true;
}

bool readSwitch(const std::string& value, bool& on)
{
    int index = 0;
    if (!readChoice(switchNames, value, index))
        return false;
    on = index == 1;
    return true;
}

// One "name = value" of a section; false when the name or value is not one
// the game knows.
bool readEntry(Settings& s, const std::string& section, const std::string& name, const std::string& value)
{
    if (section == "match") {
        if (name == "goals_to_win") {
            int goals = 0;
            if (!readNumber(value, goals))
                return false;
            for (int choice : goalChoices)
                if (goals == choice) {
                    s.goalsToWin = goals;
                    return true;
                }
            return false;
        }
        if (name == "rod_control")
            return readChoice(rodControlNames, value, s.manualRodSelection);
        if (name == "player_2")
            return readChoice(opponentNames, value, s.opponent);
        if (name == "rules")
            return readChoice(ruleNames, value, s.rules);
    } else if (section == "sound") {
        if (name == "music")
            return readVolume(value, s.musicVolume);
        if (name == "effects")
            return readVolume(value, s.effectsVolume);
        if (name == "commentary")
            return readVolume(value, s.commentaryVolume);
        if (name == "crowd")
            return readVolume(value, s.crowdVolume);
    } else if (section == "display") {
        if (name == "full_screen")
            return readSwitch(value, s.fullScreen);
        if (name == "frame_rate")
            return readSwitch(value, s.showFrameRate);
    } else if (section == "keys.player1" || section == "keys.player2") {
        const int player = section.back() - '1';
        const int code = keyNamed(value.c_str());
        if (code == noKey || reservedKey(code))
            return false;
        for (int a = 0; a < keyActionCount; ++a)
            if (name == actionName(static_cast<KeyAction>(a))) {
                s.keys.keys[player][a] = code;
                return true;
            }
    }
    return false;
}

// True when no key drives two actions.
bool keysDistinct(const KeyBindings& bindings)
{
    const int count = 2 * keyActionCount;
    const int* keys = &bindings.keys[0][0];
    for (int i = 0; i < count; ++i)
        for (int j = i + 1; j < count; ++j)
            if (keys[i] == keys[j])
                return false;
    return true;
}

void noteFault(SettingsReport& report, int line, const std::string& what)
{
    if (!report.damaged)
        report.firstFault = "line " + std::to_string(line) + ": " + what;
    report.damaged = true;
}

std::string filePath(const std::string& directory) { return directory + "/" + fileName; }

bool makeDirectories(const std::string& path)
{
    for (size_t slash = path.find('/', 1); ; slash = path.find('/', slash + 1)) {
        const std::string part = path.substr(0, slash);
        if (mkdir(part.c_str(), 0755) != 0 && errno != EEXIST)
            return false;
        if (slash == std::string::npos)
            return true;
    }
}

} // namespace

Settings parseSettings(const std::string& text, SettingsReport& report)
{
    Settings settings;
    std::istringstream lines(text);
    std::string line;
    std::string section;
    int number = 0;
    while (std::getline(lines, line)) {
        ++number;
        line = trimmed(line);
        if (line.empty() || line[0] == '#' || line[0] == ';')
            continue;
        if (line.front() == '[' && line.back() == ']') {
            section = trimmed(line.substr(1, line.size() - 2));
            continue;
        }
        const size_t equals = line.find('=');
        if (equals == std::string::npos) {
            noteFault(report, number, "not a setting: '" + line + "'");
            continue;
        }
        const std::string name = trimmed(line.substr(0, equals));
        const std::string value = trimmed(line.substr(equals + 1));
        if (!readEntry(settings, section, name, value))
            noteFault(report, number, "bad value '" + value + "' for " + section + "." + name);
    }
    if (!keysDistinct(settings.keys)) {
        noteFault(report, number, "two actions share a key; the default keys are used");
        settings.keys = defaultKeyBindings();
    }
    return settings;
}

std::string formatSettings(const Settings& s)
{
    std::ostringstream out;
    out << "# Quirtal Orvelcup settings; the game rewrites this file from its Settings screen.\n"
        << "[match]\n"
        << "goals_to_win = " << s.goalsToWin << "\n"
        << "rod_control = " << rodControlNames[s.manualRodSelection != 0] << "\n"
        << "player_2 = " << opponentNames[s.opponent >= 0 && s.opponent < 4 ? s.opponent : 0] << "\n"
        << "rules = " << ruleNames[s.rules == 1 ? 1 : 0] << "\n"
        << "\n[sound]\n"
        << "music = " << s.musicVolume << "\n"
        << "effects = " << s.effectsVolume << "\n"
        << "commentary = " << s.commentaryVolume << "\n"
        << "crowd = " << s.crowdVolume << "\n"
        << "\n[display]\n"
        << "full_screen = " << switchNames[s.fullScreen] << "\n"
        << "frame_rate = " << switchNames[s.showFrameRate] << "\n";
    for (int p = 0; p < 2; ++p) {
        out << "\n[keys.player" << p + 1 << "]\n";
        for (int a = 0; a < keyActionCount; ++a) {
            const char* name = keyName(s.keys.keys[p][a]);
            out << actionName(static_cast<KeyAction>(a)) << " = " << (name ? name : "") << "\n";
        }
    }
    return out.str();
}

std::string settingsDirectory()
{
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && config[0] == '/')
        return std::string(config) + "/quirtal";
    const char* home = std::getenv("HOME");
    if (home && home[0] != '\0')
        return std::string(home) + "/.config/quirtal";
    return "";
}

Settings loadSettings(const std::string& directory)
{
    if (directory.empty())
        return Settings{};
    const std::string path = filePath(directory);
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return Settings{};
    std::string text(static_cast<size_t>(largestFile) + 1, '\0');
    in.read(&text[0], largestFile + 1);
    text.resize(static_cast<size_t>(in.gcount()));
    SettingsReport report;
    Settings settings;
    if (text.size() > static_cast<size_t>(largestFile) || text.find('\0') != std::string::npos)
        report = {true, "not a settings file"};
    else
        settings = parseSettings(text, report);
    if (report.damaged) {
        const std::string bad = path + ".bad";
        std::ofstream copy(bad, std::ios::binary | std::ios::trunc);
        copy << text;
        std::fprintf(stderr, "quirtal: %s %s; defaults used for what could not be read, the file is kept as %s\n",
                     path.c_str(), report.firstFault.c_str(), bad.c_str());
        // What could be read is kept, in a file the next start reads cleanly.
        saveSettings(directory, settings);
    }
    return settings;
}

bool saveSettings(const std::string& directory, const Settings& settings)
{
    if (directory.empty())
        return false;
    const std::string path = filePath(directory);
    const std::string temporary = path + ".tmp";
    bool written = makeDirectories(directory);
    if (written) {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << formatSettings(settings);
        out.close();
        written = static_cast<bool>(out) && std::rename(temporary.c_str(), path.c_str()) == 0;
    }
    if (!written) {
        std::remove(temporary.c_str());
        std::fprintf(stderr, "quirtal: cannot write %s: %s\n", path.c_str(), std::strerror(errno));
    }
    return written;
}
