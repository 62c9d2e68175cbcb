int main() { return 0; } // placeholder: to be written
