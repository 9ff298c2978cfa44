#include "core/mapping_settings.h"

constinit MappingSettings mappingSettings;
constinit DialogWorkingCopy dialogWorkingCopy;
