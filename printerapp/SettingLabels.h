#pragma once

#include <pappl/pappl.h>

// The web pages' words for our vendor attributes: each setting keyword is
// labelled with the setting's name as `setting list` shows it, not with
// the keyword PAPPL would make a title of.
namespace SettingLabels {
// Before the server runs, with the settings read at its start.
void Add(pappl_system_t* system);
}
