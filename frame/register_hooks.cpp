#include "frame/register_hooks.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace skolvarin::frame {

namespace {

struct Providers {
  std::array<RegisterMain, static_cast<size_t>(RegisterId::Count)> registers{};
  std::vector<std::pair<std::string, SettingsLoader>> loaders;
};

// Constructed on first use, so providers in other libraries may run in any
// order of static initialisation.
Providers& providers() {
  static Providers p;
  return p;
}

constexpr std::array<const char*, static_cast<size_t>(RegisterId::Count)> kNames = {
    "Dowody", "Wyposażenie", "Amort", "Konta", "Kontrahenci", "Opisy", "Urzędy",
    "Kody", "Przelewy", "Rachunki", "Przejazdy", "Samochody", "Kraje", "Kursy",
    "Kasa",
    "Rozlicz", "Noty", "Oblicz", "Ustawowe", "Podatkowe", "Dni wolne",
    "Lista", "ZUS", "Umowy", "Pracownicy", "Nieobecność", "Średnie", "Składniki",
    "ZFŚS", "Parametry", "Kalkulator"};

}  // namespace

void provide_register(RegisterId id, RegisterMain main) {
  auto i = static_cast<size_t>(id);
  if (i < providers().registers.size()) providers().registers[i] = main;
}

RegisterMain find_register(RegisterId id) {
  auto i = static_cast<size_t>(id);
  return i < providers().registers.size() ? providers().registers[i] : nullptr;
}

void provide_settings_loader(std::string_view file, SettingsLoader loader) {
  for (auto& [name, l] : providers().loaders)
    if (name == file) {
      l = loader;
      return;
    }
  providers().loaders.emplace_back(std::string(file), loader);
}

SettingsLoader find_settings_loader(std::string_view file) {
  for (const auto& [name, l] : providers().loaders)
    if (name == file) return l;
  return nullptr;
}

const char* register_name(RegisterId id) {
  auto i = static_cast<size_t>(id);
  return i < kNames.size() ? kNames[i] : "";
}

void clear_providers() { providers() = Providers(); }

}  // namespace skolvarin::frame
