#include "reading/reading.h"

int main() {
    return reading::lookUpProfile("Aries") ? 0 : 1;
}
