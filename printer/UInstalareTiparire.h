#pragma once

// Gives the preview windows and the student list their printing commands: "Tipareste",
// "Salveaza PDF" and "Tipareste pentru elevii selectati".
void InstaleazaTiparirea();
