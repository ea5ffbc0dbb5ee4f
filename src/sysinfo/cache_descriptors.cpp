#include "sysinfo/cache_descriptors.h"

#include <algorithm>

namespace teko {

namespace {
using enum CacheDescriptorKind;

constexpr CacheDescriptor kDescriptors[] = {
    {0x00, Null, 0},           {0x01, InstructionTlb, 0}, {0x02, InstructionTlb, 0}, {0x03, DataTlb, 0},
    {0x04, DataTlb, 0},        {0x05, DataTlb, 0},        {0x06, Level1Code, 8},     {0x08, Level1Code, 16},
    {0x09, Level1Code, 32},    {0x0A, Level1Data, 8},     {0x0B, InstructionTlb, 0}, {0x0C, Level1Data, 16},
    {0x0D, Level1Data, 16},    {0x0E, Level1Data, 24},    {0x21, Level2, 256},       {0x22, Level3, 512},
    {0x23, Level3, 1024},      {0x25, Level3, 2048},      {0x29, Level3, 4096},      {0x2C, Level1Data, 32},
    {0x30, Level1Code, 32},    {0x39, Level2, 128},       {0x3A, Level2, 192},       {0x3B, Level2, 128},
    {0x3C, Level2, 256},       {0x3D, Level2, 384},       {0x3E, Level2, 512},       {0x40, NoLevel2OrLevel3, 0},
    {0x41, Level2, 128},       {0x42, Level2, 256},       {0x43, Level2, 512},       {0x44, Level2, 1024},
    {0x45, Level2, 2048},      {0x46, Level3, 4096},      {0x47, Level3, 8192},      {0x48, Level2, 3072},
    {0x49, Level2, 4096},      {0x4A, Level3, 6144},      {0x4B, Level3, 8192},      {0x4C, Level3, 12288},
    {0x4D, Level3, 16384},     {0x4E, Level2, 6144},      {0x4F, InstructionTlb, 0}, {0x50, InstructionTlb, 0},
    {0x51, InstructionTlb, 0}, {0x52, InstructionTlb, 0}, {0x55, InstructionTlb, 0}, {0x56, DataTlb, 0},
    {0x57, DataTlb, 0},        {0x59, DataTlb, 0},        {0x5A, DataTlb, 0},        {0x5B, DataTlb, 0},
    {0x5C, DataTlb, 0},        {0x5D, DataTlb, 0},        {0x60, Level1Data, 16},    {0x66, Level1Data, 8},
    {0x67, Level1Data, 16},    {0x68, Level1Data, 32},    {0x70, TraceCache, 12},    {0x71, TraceCache, 16},
    {0x72, TraceCache, 32},    {0x73, TraceCache, 64},    {0x78, Level2, 1024},      {0x79, Level2, 128},
    {0x7A, Level2, 256},       {0x7B, Level2, 512},       {0x7C, Level2, 1024},      {0x7D, Level2, 2048},
    {0x7F, Level2, 512},       {0x80, Level2, 512},       {0x82, Level2, 256},       {0x83, Level2, 512},
    {0x84, Level2, 1024},      {0x85, Level2, 2048},      {0x86, Level2, 512},       {0x87, Level2, 1024},
    {0xB0, InstructionTlb, 0}, {0xB1, InstructionTlb, 0}, {0xB2, InstructionTlb, 0}, {0xB3, DataTlb, 0},
    {0xB4, DataTlb, 0},        {0xBA, DataTlb, 0},        {0xC0, DataTlb, 0},        {0xCA, SharedLevel2Tlb, 0},
    {0xE4, Level3, 8192},      {0xF0, Prefetch, 0},       {0xF1, Prefetch, 0},       {0xFF, SeeLeaf4, 0},
};

}  // namespace

std::span<const CacheDescriptor> IntelCacheDescriptors() { return kDescriptors; }

const CacheDescriptor* FindCacheDescriptor(uint8_t code) {
  auto it = std::lower_bound(std::begin(kDescriptors), std::end(kDescriptors), code,
                             [](const CacheDescriptor& row, uint8_t c) { return row.code < c; });
  return it != std::end(kDescriptors) && it->code == code ? &*it : nullptr;
}

}  // namespace teko
