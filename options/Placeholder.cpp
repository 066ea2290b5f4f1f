namespace kelvory {}
