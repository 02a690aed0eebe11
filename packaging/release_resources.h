// Ids of the resources that both programs carry for Windows itself: the icon that Explorer and
// the taskbar show (the first icon group), beside the manifest (CREATEPROCESS_MANIFEST_RESOURCE_ID)
// and the version information (VS_VERSION_INFO), whose ids the system fixes.
#pragma once

#define IDI_PROGRAM 1
