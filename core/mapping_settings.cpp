#include "core/mapping_settings.h"

MappingSettings mappingSettings;
DialogWorkingCopy dialogWorkingCopy;
