export function siteFiles(root: string): Promise<string[]>;
export const OFFLINE_LIMIT: number;
export function offlineList(root: string): Promise<{ version: string; urls: string[]; bytes: number }>;
