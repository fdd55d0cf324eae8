#pragma once

#include "panels/sound/EMCIDeviceError.h"
#include "panels/sound/SoundDevice.h"

#include <memory>
#include <string>
#include <vector>

namespace scripted {

using Mode = SoundDevice::Mode;

// A back end that logs the commands it is given and plays as the test says.
struct Script {
    std::vector<std::string> log;
    std::string refusal; // an open of a file of this name fails with `refusalText`
    std::string refusalText;
    Mode mode = Mode::Stopped;
    std::uint64_t position = 0;
    int resumeError = 0;
    SoundBackEnd::EndNotice ended;
};

class ScriptedDevice : public SoundDevice {
public:
    ScriptedDevice(Script& script, std::string name)
        : s(script)
        , m_name(std::move(name))
    {
    }
    ~ScriptedDevice() override { s.log.push_back("close " + m_name); }
    int play() override { return step("play", Mode::Playing); }
    int seekToStart() override
    {
        s.position = 0;
        return step("seek", s.mode);
    }
    int pause() override { return step("pause", Mode::Paused); }
    int resume() override { return s.resumeError ? s.resumeError : step("resume", Mode::Playing); }
    int stop() override { return step("stop", Mode::Stopped); }
    Mode mode() override { return s.mode; }
    std::uint64_t position() override { return s.position; }
    std::uint64_t length() override { return 100; }

private:
    int step(const std::string& command, Mode mode)
    {
        s.log.push_back(command + " " + m_name);
        s.mode = mode;
        return 0;
    }
    Script& s;
    std::string m_name;
};

class ScriptedBackEnd : public SoundBackEnd {
public:
    explicit ScriptedBackEnd(Script& script)
        : s(script)
    {
    }
    std::unique_ptr<SoundDevice> open(const std::string& name, EndNotice ended) override
    {
        if (name == s.refusal)
            throw EMCIDeviceError(s.refusalText);
        s.log.push_back("open " + name);
        s.mode = Mode::Stopped;
        s.position = 0;
        s.ended = std::move(ended);
        return std::make_unique<ScriptedDevice>(s, name);
    }
    Script& s;
};

} // namespace scripted
