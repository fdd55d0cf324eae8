#pragma once

#include "cycle/ModuleParameters.h"

#include <memory>
#include <string>
#include <string_view>

class Registry;

// The two Windows sound events a sound list can set.
enum class SoundEvent { SystemStart, SystemExit };

// Makes a wave the sound of a Windows event: the default value of the event's ".Current" key under
// HKEY_CURRENT_USER\AppEvents\Schemes\Apps\.Default. The key is never created; on a machine without
// it nothing is written.
class SoundApply {
public:
    explicit SoundApply(std::shared_ptr<Registry> registry);

    // "\AppEvents\Schemes\Apps\.Default\SystemStart\.Current" and its SystemExit twin.
    static std::string_view eventKey(SoundEvent event);

    // Sets the event's sound to `path` exactly as given. Nothing when the key is missing; throws
    // "Failed to set data for ''" when the value can't be set.
    static void setEventSound(Registry& registry, SoundEvent event, const std::string& path);

    // The step for one list in the places the Save sequence gives them: the list is skipped when
    // its event's key is missing, and an empty entry sets nothing (its position still advances).
    static ApplyHooks hooks(std::shared_ptr<SoundApply> apply, SoundEvent event);

    bool eventKeyExists(SoundEvent event) const;
    void setEventSound(SoundEvent event, const std::string& path) const;

private:
    std::shared_ptr<Registry> m_registry;
};
