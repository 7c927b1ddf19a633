// Placeholder translation unit until the platform layer lands.
