#pragma once
// What one export hands to every record it creates: the output files, the
// options, and the table of materials and meshes written so far. The driver
// fills it before the scene walk; none of it is owned here, and all of it
// outlives the records.

class ExportOptions;
class ExportRegistry;
class Interface;
class T3dWriter;

struct ExportContext {
    T3dWriter& writer;
    const ExportOptions& options;
    ExportRegistry& registry;
    Interface* host;
};
