#pragma once
// The set-frequency commands of every radio family, as the bytes to put on the line.
#include <string>

#include "rig/protocol/reading.h"

namespace ks::rig {

std::string KenwoodSetFrequency(float mhz, const RigRequests& requests);
std::string Kenwood2SetFrequency(float mhz, std::uint8_t kenwood_vfo);
std::string ElecraftSetFrequency(float mhz);
std::string FTdx9000SetFrequency(float mhz, const RigRequests& requests);
std::string IcomSetFrequency(float mhz, const RigRequests& requests);
std::string YaesuSetFrequency(float mhz);
std::string Yaesu890SetFrequency(float mhz);
std::string TenTecPanelSetFrequency(float mhz);
std::string OrionSetFrequency(float mhz);

// The radio's CI-V address: characters 7 and 8 of the frequency request ("FE FE 64 E0 03 FD").
std::string IcomAddress(const RigRequests& requests);

}  // namespace ks::rig
