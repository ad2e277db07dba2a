#pragma once

// Registers the application's images, fonts and translation catalogue. They
// are compiled into a static library, which links its resources only when
// code asks for them.
void init_application_resources();
