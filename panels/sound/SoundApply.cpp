#include "panels/sound/SoundApply.h"

#include "cycle/Registry.h"
#include "cycle/RegistryServices.h"

SoundApply::SoundApply(std::shared_ptr<Registry> registry)
    : m_registry(std::move(registry))
{
}

std::string_view SoundApply::eventKey(SoundEvent event)
{
    return event == SoundEvent::SystemStart ? "\\AppEvents\\Schemes\\Apps\\.Default\\SystemStart\\.Current"
                                            : "\\AppEvents\\Schemes\\Apps\\.Default\\SystemExit\\.Current";
}

void SoundApply::setEventSound(Registry& registry, SoundEvent event, const std::string& path)
{
    writeRegistryStrings(registry, eventKey(event), { { std::string(), path } });
}

ApplyHooks SoundApply::hooks(std::shared_ptr<SoundApply> apply, SoundEvent event)
{
    ApplyHooks hooks;
    hooks.prepare = [apply, event] { return apply->eventKeyExists(event); };
    hooks.apply = [apply, event](const AppliedEntry& entry) {
        if (!entry.path.empty())
            apply->setEventSound(event, entry.path);
    };
    return hooks;
}

bool SoundApply::eventKeyExists(SoundEvent event) const
{
    return m_registry->openKey(RegistryRoot::CurrentUser, eventKey(event)) != nullptr;
}

void SoundApply::setEventSound(SoundEvent event, const std::string& path) const
{
    setEventSound(*m_registry, event, path);
}
