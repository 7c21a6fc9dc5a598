#include "case_keys.h"

#include <array>

#include "disc/disc_controls.h"
#include "valve/valve_controls.h"

namespace orvane::casefile {

namespace {

using enum KeyKind;

constexpr std::array kValveKeys = std::to_array<CaseKey>({
    {"valve_type", "Option1", Option},
    {"medium", "Combo1"},
    {"relief_case", "Combo2"},
    {"vessel_shape", "Combo3"},
    {"location", "Combo4"},
    {"working_pressure_MPa", "Text2"},
    {"design_pressure_MPa", "Text3"},
    {"back_pressure_abs_MPa", "Text4"},
    {"relief_temperature_C", "Text21"},
    {"design_temperature_C", "Text24"},
    {"vessel_outer_diameter_mm", "Text19"},
    {"vessel_length_mm", "Text20"},
    {"wetted_height_mm", "Text26"},
    {"inlet_inner_diameter_mm", "Text5"},
    {"inlet_velocity_m_s", "Text6"},
    {"latent_heat_kJ_kg", "Text18"},
    {"gas_density_kg_m3", "Text14"},
    {"insulation_thickness_mm", "Text22"},
    {"insulation_conductivity_kJ_m_h_C", "Text23"},
    {"seal_half_cone_angle_deg", "Text25"},
    {"k", "Text9"},
    {"C", "Text10"},
    {"molar_mass_kg_kmol", "Text11"},
    {"Z", "Text12"},
    {"phase", "Text1"},
    {"relief_capacity_kg_h", "Text7", Result},
    {"discharge_area_mm2", "Text8", Result},
    {"throat_diameter_mm", "Text15", Result},
    {"standard_throat_mm", "Text17", Result},
    {"nominal_size_mm", "Text16", Result},
    {"opening_pressure_MPa", "Text13", Result},
});

constexpr std::array kDiscKeys = std::to_array<CaseKey>({
    {"disc_type", "Option1", Option},
    {"grade", "Combo5"},
    {"medium", "Combo1"},
    {"relief_case", "Combo2"},
    {"vessel_shape", "Combo3"},
    {"location", "Combo4"},
    {"working_pressure_MPa", "Text2"},
    {"relief_temperature_C", "Text21"},
    {"design_temperature_C", "Text24"},
    {"vessel_outer_diameter_mm", "Text19"},
    {"vessel_length_mm", "Text20"},
    {"wetted_height_mm", "Text25"},
    {"inlet_inner_diameter_mm", "Text5"},
    {"inlet_velocity_m_s", "Text6"},
    {"latent_heat_kJ_kg", "Text18"},
    {"gas_density_kg_m3", "Text14"},
    {"insulation_thickness_mm", "Text22"},
    {"insulation_conductivity_kJ_m_h_C", "Text23"},
    {"k", "Text9"},
    {"C", "Text10"},
    {"molar_mass_kg_kmol", "Text11"},
    {"Z", "Text12"},
    {"phase", "Text1"},
    {"relief_capacity_kg_h", "Text7", Result},
    {"discharge_area_mm2", "Text8", Result},
    {"bore_mm", "Text15", Result},
    {"nominal_size_mm", "Text16", Result},
    {"design_pressure_MPa", "Text3", Result},
    {"design_burst_pressure_MPa", "Text13", Result},
});

constexpr std::array<std::string_view, 3> kValveOptions = {"Option1", "Option2", "Option3"};

}  // namespace

std::span<const CaseKey> caseKeys(Device device) {
    return device == Device::SafetyValve ? std::span<const CaseKey>(kValveKeys) : std::span<const CaseKey>(kDiscKeys);
}

const WindowTable& windowTableOf(Device device) {
    return device == Device::SafetyValve ? valve::windowTable() : disc::windowTable();
}

std::span<const std::string_view> optionControls(Device device) {
    return device == Device::SafetyValve ? std::span<const std::string_view>(kValveOptions)
                                         : std::span<const std::string_view>(disc::kDiscTypeOptions);
}

std::string_view keyCaption(Device device, const CaseKey& key) {
    if (key.kind == Option) return device == Device::SafetyValve ? "安全阀型式" : "爆破片型式";
    const WindowTable& table = windowTableOf(device);
    const ControlRow* c = table.find(key.control);
    return c != nullptr ? table.accessibleName(*c) : key.key;
}

const CaseKey* findKey(Device device, std::string_view key) {
    for (const CaseKey& k : caseKeys(device)) {
        if (k.key == key || keyCaption(device, k) == key) return &k;
    }
    return nullptr;
}

std::string_view deviceName(Device device) { return device == Device::SafetyValve ? "valve" : "disc"; }

}  // namespace orvane::casefile
